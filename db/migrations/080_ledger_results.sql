-- Result tables of the ledger procedures, one set of rows per workstation
-- address; each run replaces its address's rows whole. They are scratch
-- rows that a run writes anew, so they skip the write-ahead log (a crash
-- empties them, and the next search fills them again). Their keys are
-- ASCII and compared bytewise ("C"), which keeps writing a long ledger cheap.
SET client_min_messages = warning;

-- General ledger rows: per account the balance brought forward, the
-- confirmed lines and after each month with lines its month and cumulative
-- totals, with the balance after every row; SEQ_NO orders an account's rows.
CREATE UNLOGGED TABLE vc070pr (
  ip_addr     VARCHAR(20)   COLLATE "C" NOT NULL,
  seq_no      INTEGER       NOT NULL,
  acct_sbj_cd CHAR(7)       COLLATE "C" NOT NULL,
  slip_dt     DATE,
  rmk         VARCHAR(255),
  db_amt      NUMERIC(17,0) NOT NULL DEFAULT 0,
  cr_amt      NUMERIC(17,0) NOT NULL DEFAULT 0,
  tbal        NUMERIC(17,0) NOT NULL DEFAULT 0
);
-- No index: a run writes up to a year of an account's lines at once, and
-- keeping an index on them costs more than scanning the few runs the table
-- holds when the screen reads its rows.

-- Ledger of a balance-managed account by balance-item values.
CREATE UNLOGGED TABLE vc080pr (
  ip_addr     VARCHAR(20)   COLLATE "C" NOT NULL,
  seq_no      INTEGER       NOT NULL,
  conf_dt     DATE,
  slip_no     VARCHAR(14),
  slip_seq_no INTEGER,
  rmk         VARCHAR(255),
  mg_rmk      VARCHAR(255),
  db_amt      NUMERIC(17,0) NOT NULL DEFAULT 0,
  cr_amt      NUMERIC(17,0) NOT NULL DEFAULT 0,
  tbal        NUMERIC(17,0) NOT NULL DEFAULT 0,
  dept_code   VARCHAR(4),
  slip_dt     DATE,
  CONSTRAINT vc080pr_pk PRIMARY KEY (ip_addr, seq_no)
);

-- Balance statement: per account and combination of balance-item values.
CREATE UNLOGGED TABLE vc085pr (
  ip_addr      VARCHAR(20)   COLLATE "C" NOT NULL,
  acct_cd      VARCHAR(7)    NOT NULL,
  item_cd1     VARCHAR(3),
  item_desc1   VARCHAR(100),
  item_desc1nm VARCHAR(200),
  item_cd2     VARCHAR(3),
  item_desc2   VARCHAR(100),
  item_desc2nm VARCHAR(200),
  item_cd3     VARCHAR(3),
  item_desc3   VARCHAR(100),
  item_desc3nm VARCHAR(200),
  bf_amt       NUMERIC(17,0) NOT NULL DEFAULT 0,
  db_amt       NUMERIC(17,0) NOT NULL DEFAULT 0,
  cr_amt       NUMERIC(17,0) NOT NULL DEFAULT 0,
  stan_dc      CHAR(1)       NOT NULL,
  CONSTRAINT vc085pr_dc_ck CHECK (stan_dc IN ('D', 'C'))
);
CREATE INDEX vc085pr_ip_ix ON vc085pr (ip_addr);
