-- The posting engine's tables: the closing calendar, term openings, daily
-- sums, the operating income/expense rows, the trial balance result, and the
-- sums that month closing takes per business division.
--
-- How balances stay right: posting (confirmation and its cancellation) keeps
-- every derived table current in the confirming transaction. VB071MS holds a
-- row for every month of a term for every account that moved or carries an
-- opening in that term, with the month's movements and the term-to-date
-- totals and balance at month end, so that "the balance at the end of month
-- M" is one row and the trial balance reads about one row per account. A
-- posting into month M moves the rows of M up to the term's last month; the
-- openings of later terms (VB070MS) move with it, accounts of classes 1-3 by
-- the same amount and the retained-earnings account by the change in net
-- income. A term is a run of whole months, so a month belongs to one term.
-- Every balance is kept in the account's normal direction: credit - debit
-- for DC_DIV 'C', debit - credit otherwise.
SET client_min_messages = warning;

-- Months and days of each fiscal period with their closing flags.
CREATE TABLE vi011ms (
  session_id INTEGER      NOT NULL,
  y_month    VARCHAR(6)   NOT NULL,
  close_yn   CHAR(1)      NOT NULL DEFAULT 'N',
  u_date     TIMESTAMP(0) DEFAULT LOCALTIMESTAMP(0),
  u_ip       VARCHAR(20),
  u_emp_no   VARCHAR(10),
  CONSTRAINT vi011ms_pk PRIMARY KEY (session_id, y_month),
  CONSTRAINT vi011ms_session_fk FOREIGN KEY (session_id) REFERENCES vi010ms (session_id) ON DELETE CASCADE,
  CONSTRAINT vi011ms_month_ck CHECK (y_month ~ '^[0-9]{4}(0[1-9]|1[0-2])$'),
  CONSTRAINT vi011ms_close_ck CHECK (close_yn IN ('Y', 'N'))
);
CREATE UNIQUE INDEX vi011ms_month_uk ON vi011ms (y_month);

CREATE TABLE vi011dt (
  session_id INTEGER      NOT NULL,
  y_month    VARCHAR(6)   NOT NULL,
  day        VARCHAR(2)   NOT NULL,
  close_yn   CHAR(1)      NOT NULL DEFAULT 'N',
  u_date     TIMESTAMP(0) DEFAULT LOCALTIMESTAMP(0),
  u_ip       VARCHAR(20),
  u_emp_no   VARCHAR(10),
  CONSTRAINT vi011dt_pk PRIMARY KEY (session_id, y_month, day),
  CONSTRAINT vi011dt_month_fk FOREIGN KEY (session_id, y_month)
    REFERENCES vi011ms (session_id, y_month) ON DELETE CASCADE,
  CONSTRAINT vi011dt_day_ck CHECK (day ~ '^(0[1-9]|[12][0-9]|3[01])$'),
  CONSTRAINT vi011dt_close_ck CHECK (close_yn IN ('Y', 'N'))
);

-- Carry-forward runs of a term into the next (the closing menu's
-- carry-forward screen lists the last one per term).
CREATE TABLE vi012ms (
  session_id INTEGER      NOT NULL,
  run_date   TIMESTAMP(0) NOT NULL DEFAULT LOCALTIMESTAMP(0),
  run_emp_no VARCHAR(10),
  result     VARCHAR(2000),
  CONSTRAINT vi012ms_pk PRIMARY KEY (session_id),
  CONSTRAINT vi012ms_session_fk FOREIGN KEY (session_id) REFERENCES vi010ms (session_id) ON DELETE CASCADE
);

-- Term openings: the balance each account brings into a term, in its normal
-- direction. Accounts of classes 1-3 carry their closing balance; classes
-- 4-9 start at zero, their net income going to the retained-earnings account.
CREATE TABLE vb070ms (
  session_id INTEGER       NOT NULL,
  acct_code  VARCHAR(7)    NOT NULL,
  bal_amount NUMERIC(17,0) NOT NULL DEFAULT 0,
  CONSTRAINT vb070ms_pk PRIMARY KEY (session_id, acct_code),
  CONSTRAINT vb070ms_session_fk FOREIGN KEY (session_id) REFERENCES vi010ms (session_id) ON DELETE CASCADE
);

-- Balances of VB071MS/VB061MS may pass fifteen digits over many terms.
ALTER TABLE vb071ms ALTER COLUMN bal_amount TYPE NUMERIC(17,0),
                    ALTER COLUMN bd_amount TYPE NUMERIC(17,0),
                    ALTER COLUMN bc_amount TYPE NUMERIC(17,0),
                    ALTER COLUMN d_amount TYPE NUMERIC(17,0),
                    ALTER COLUMN c_amount TYPE NUMERIC(17,0);
ALTER TABLE vb061ms ALTER COLUMN bal_amount TYPE NUMERIC(17,0),
                    ALTER COLUMN d_amount TYPE NUMERIC(17,0),
                    ALTER COLUMN c_amount TYPE NUMERIC(17,0);
ALTER TABLE vb061ms ADD COLUMN mg_detail_name VARCHAR(200);
CREATE INDEX vb061ms_item_month_ix ON vb061ms (acct_code, mg_code, mg_detail, sum_month);
ALTER TABLE vb085ms ALTER COLUMN bf_amt TYPE NUMERIC(17,0),
                    ALTER COLUMN dr_amt TYPE NUMERIC(17,0),
                    ALTER COLUMN cr_amt TYPE NUMERIC(17,0);
ALTER TABLE vb080ms ALTER COLUMN dr_amt TYPE NUMERIC(17,0),
                    ALTER COLUMN cr_amt TYPE NUMERIC(17,0);
CREATE INDEX vb080ms_acct_date_ix ON vb080ms (acct_code, slip_date);

-- Daily sums per account, split into transfer and cash: on a slip with cash
-- lines, the net cash received is credited "cash" to its credit lines and the
-- net cash paid debited "cash" to its debit lines, in line order; the rest is
-- transfer. The cash account's own lines that offset each other on a slip are
-- its transfer amounts.
CREATE TABLE vc030pr (
  sum_date  DATE          NOT NULL,
  acct_code VARCHAR(7)    NOT NULL,
  damt      NUMERIC(17,0) NOT NULL DEFAULT 0,
  camt      NUMERIC(17,0) NOT NULL DEFAULT 0,
  cash_damt NUMERIC(17,0) NOT NULL DEFAULT 0,
  cash_camt NUMERIC(17,0) NOT NULL DEFAULT 0,
  CONSTRAINT vc030pr_pk PRIMARY KEY (sum_date, acct_code)
);
CREATE INDEX vc030pr_acct_ix ON vc030pr (acct_code, sum_date);

-- Operating income/expense rows: one per confirmed line of a revenue or
-- expense account, written when the slip is confirmed and removed when the
-- confirmation is cancelled; the adjustment screen edits their classification.
CREATE TABLE vz100ms (
  slip_no      VARCHAR(8)    NOT NULL,
  slip_seq     INTEGER       NOT NULL,
  sli_date     DATE,
  slip_date    DATE,
  acct_code    VARCHAR(7),
  ref_data     VARCHAR(100),
  dept_code    VARCHAR(4),
  dr_amt       NUMERIC(15,0) DEFAULT 0,
  cr_amt       NUMERIC(15,0) DEFAULT 0,
  vat_amt      NUMERIC(15,0) DEFAULT 0,
  adj_amt      NUMERIC(15,0) DEFAULT 0,
  bu_acct_code VARCHAR(6),
  apply_ym     VARCHAR(8),
  except_yn    CHAR(1)       DEFAULT 'N',
  acct_rem     VARCHAR(200),
  acct_amt     NUMERIC(15,0) DEFAULT 0,
  give_yn      CHAR(1)       DEFAULT 'N',
  re_yn        CHAR(1)       DEFAULT 'N',
  gubun_code   VARCHAR(10),
  by_code      VARCHAR(20),
  u_date       TIMESTAMP(0)  DEFAULT LOCALTIMESTAMP(0),
  u_emp_no     VARCHAR(10),
  CONSTRAINT vz100ms_pk PRIMARY KEY (slip_no, slip_seq),
  CONSTRAINT vz100ms_line_fk FOREIGN KEY (slip_no, slip_seq)
    REFERENCES vb011ms (slip_no, slip_seq_no) ON DELETE CASCADE
);
CREATE INDEX vz100ms_slip_date_ix ON vz100ms (slip_date);
CREATE INDEX vz100ms_sli_date_ix ON vz100ms (sli_date);

-- Trial balance rows per workstation address.
CREATE TABLE vd010pr (
  ip_addr     VARCHAR(20)   NOT NULL,
  acct_code   VARCHAR(7)    NOT NULL,
  acct_name   VARCHAR(60),
  acct_upcd   VARCHAR(7),
  bf_damount  NUMERIC(17,0) NOT NULL DEFAULT 0,
  bf_camount  NUMERIC(17,0) NOT NULL DEFAULT 0,
  d_amount    NUMERIC(17,0) NOT NULL DEFAULT 0,
  c_amount    NUMERIC(17,0) NOT NULL DEFAULT 0,
  bd_amount   NUMERIC(17,0) NOT NULL DEFAULT 0,
  bc_amount   NUMERIC(17,0) NOT NULL DEFAULT 0,
  sum_damount NUMERIC(17,0) NOT NULL DEFAULT 0,
  sum_camount NUMERIC(17,0) NOT NULL DEFAULT 0,
  bal_damount NUMERIC(17,0) NOT NULL DEFAULT 0,
  bal_camount NUMERIC(17,0) NOT NULL DEFAULT 0,
  CONSTRAINT vd010pr_pk PRIMARY KEY (ip_addr, acct_code)
);

-- Month sums per business division (the slip kind), per account and per
-- account and item value, taken when a month is closed and removed when it
-- is reopened: the business-site report reads closed months from them.
CREATE TABLE vb072ms (
  sum_month VARCHAR(6)    NOT NULL,
  div_code  VARCHAR(1)    NOT NULL,
  acct_code VARCHAR(7)    NOT NULL,
  d_amount  NUMERIC(17,0) NOT NULL DEFAULT 0,
  c_amount  NUMERIC(17,0) NOT NULL DEFAULT 0,
  u_date    TIMESTAMP(0)  DEFAULT LOCALTIMESTAMP(0),
  u_emp_no  VARCHAR(10),
  CONSTRAINT vb072ms_pk PRIMARY KEY (sum_month, div_code, acct_code)
);
CREATE TABLE vb062ms (
  sum_month VARCHAR(6)    NOT NULL,
  div_code  VARCHAR(1)    NOT NULL,
  acct_code VARCHAR(7)    NOT NULL,
  mg_code   VARCHAR(3)    NOT NULL,
  mg_detail VARCHAR(100)  NOT NULL,
  d_amount  NUMERIC(17,0) NOT NULL DEFAULT 0,
  c_amount  NUMERIC(17,0) NOT NULL DEFAULT 0,
  u_date    TIMESTAMP(0)  DEFAULT LOCALTIMESTAMP(0),
  u_emp_no  VARCHAR(10),
  CONSTRAINT vb062ms_pk PRIMARY KEY (sum_month, div_code, acct_code, mg_code, mg_detail)
);

CREATE INDEX vb011dt_acct_item_conf_ix ON vb011dt (acct_code, mg_code, mg_detail, conf_date);
CREATE INDEX vb011ms_slip_conf_ix ON vb011ms (conf_date, slip_no);
