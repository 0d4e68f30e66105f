-- Slips: header, lines and the management-item values of each line.
-- Only the slip package writes these tables; the screens read them.

CREATE TABLE vb010ms (
  slip_no      VARCHAR(8)    NOT NULL,
  dept_code    VARCHAR(4)    NOT NULL,
  slip_date    DATE          NOT NULL,
  acc_date     DATE,
  slip_conf_yn CHAR(1)       NOT NULL DEFAULT 'N',
  slip_del_yn  CHAR(1)       NOT NULL DEFAULT 'N',
  conf_date    DATE,
  conf_emp_no  VARCHAR(10),
  total_d_amt  NUMERIC(15,0) NOT NULL DEFAULT 0,
  total_c_amt  NUMERIC(15,0) NOT NULL DEFAULT 0,
  cr_emp_no    VARCHAR(10),
  session_id   INTEGER,
  slip_kind    CHAR(1),
  slip_type    CHAR(1),
  sys_id       CHAR(1),
  u_date       TIMESTAMP(0)  DEFAULT LOCALTIMESTAMP(0),
  u_ip         VARCHAR(20),
  u_emp_no     VARCHAR(10),
  CONSTRAINT vb010ms_pk PRIMARY KEY (slip_no),
  CONSTRAINT vb010ms_dept_fk FOREIGN KEY (dept_code) REFERENCES qa160ms (aff_dept_code),
  CONSTRAINT vb010ms_session_fk FOREIGN KEY (session_id) REFERENCES vi010ms (session_id),
  CONSTRAINT vb010ms_conf_yn_ck CHECK (slip_conf_yn IN ('Y', 'N')),
  CONSTRAINT vb010ms_del_yn_ck CHECK (slip_del_yn IN ('Y', 'N')),
  -- a deleted slip can never count in the books
  CONSTRAINT vb010ms_del_conf_ck CHECK (slip_del_yn = 'N' OR conf_date IS NULL)
);
CREATE INDEX vb010ms_dept_date_ix ON vb010ms (dept_code, slip_date);
CREATE INDEX vb010ms_slip_date_ix ON vb010ms (slip_date);
CREATE INDEX vb010ms_acc_date_ix  ON vb010ms (acc_date);
CREATE INDEX vb010ms_conf_date_ix ON vb010ms (conf_date);
CREATE INDEX vb010ms_cr_emp_ix    ON vb010ms (cr_emp_no);

CREATE TABLE vb011ms (
  slip_no     VARCHAR(8)    NOT NULL,
  slip_seq_no INTEGER       NOT NULL,
  acct_code   VARCHAR(7)    NOT NULL,
  ref_data    VARCHAR(100),
  d_amount    NUMERIC(15,0) NOT NULL DEFAULT 0,
  c_amount    NUMERIC(15,0) NOT NULL DEFAULT 0,
  vat_amount  NUMERIC(15,0),
  conf_date   DATE,
  session_id  INTEGER,
  CONSTRAINT vb011ms_pk PRIMARY KEY (slip_no, slip_seq_no),
  CONSTRAINT vb011ms_slip_fk FOREIGN KEY (slip_no) REFERENCES vb010ms (slip_no) ON DELETE CASCADE,
  CONSTRAINT vb011ms_acct_fk FOREIGN KEY (acct_code) REFERENCES va020ms (acct_code),
  CONSTRAINT vb011ms_seq_ck CHECK (slip_seq_no BETWEEN 0 AND 999)
);
CREATE INDEX vb011ms_acct_conf_ix ON vb011ms (acct_code, conf_date);
CREATE INDEX vb011ms_conf_date_ix ON vb011ms (conf_date);

CREATE TABLE vb011dt (
  slip_no        VARCHAR(8)    NOT NULL,
  slip_seq_no    INTEGER       NOT NULL,
  lineup_no      INTEGER       NOT NULL,
  mg_code        VARCHAR(3)    NOT NULL,
  mg_detail      VARCHAR(100)  NOT NULL,
  mg_detail_name VARCHAR(200),
  acct_code      VARCHAR(7)    NOT NULL,
  d_amount       NUMERIC(15,0) NOT NULL DEFAULT 0,
  c_amount       NUMERIC(15,0) NOT NULL DEFAULT 0,
  conf_date      DATE,
  session_id     INTEGER,
  CONSTRAINT vb011dt_pk PRIMARY KEY (slip_no, slip_seq_no, lineup_no),
  CONSTRAINT vb011dt_line_fk FOREIGN KEY (slip_no, slip_seq_no)
    REFERENCES vb011ms (slip_no, slip_seq_no) ON DELETE CASCADE,
  CONSTRAINT vb011dt_lineup_ck CHECK (lineup_no BETWEEN 1 AND 7)
);
CREATE INDEX vb011dt_acct_conf_ix ON vb011dt (acct_code, conf_date);
CREATE INDEX vb011dt_conf_date_ix ON vb011dt (conf_date);
CREATE INDEX vb011dt_item_ix      ON vb011dt (mg_code, mg_detail);

-- Deposit auto-slip register: which confirmed slips went into which
-- generated slip. A source slip can be used by one generated slip only.
CREATE TABLE vb010ms_temp (
  reg_id      BIGINT       GENERATED ALWAYS AS IDENTITY,
  slip_no     VARCHAR(8)   NOT NULL,
  new_slip_no VARCHAR(8),
  u_emp_no    VARCHAR(10),
  use_yn      CHAR(1)      NOT NULL DEFAULT 'N',
  sort_ord    INTEGER,
  u_date      TIMESTAMP(0) DEFAULT LOCALTIMESTAMP(0),
  CONSTRAINT vb010ms_temp_pk PRIMARY KEY (reg_id),
  CONSTRAINT vb010ms_temp_use_ck CHECK (use_yn IN ('Y', 'N'))
);
CREATE INDEX vb010ms_temp_slip_ix ON vb010ms_temp (slip_no);
CREATE INDEX vb010ms_temp_new_ix  ON vb010ms_temp (new_slip_no);
CREATE UNIQUE INDEX vb010ms_temp_used_uk ON vb010ms_temp (slip_no) WHERE use_yn = 'Y';

-- Slip numbers: slip kind, two digits of the year, then five characters
-- from that year's counter. Counters are sequences so that concurrent saves
-- never wait on each other; a number lost by a rolled-back save is not reused.
-- 00001..99999 first, then a letter and four base-36 digits (A000..ZZZZ).
CREATE SCHEMA IF NOT EXISTS pk_v_slip_01;
DO $$
BEGIN
  FOR y IN 2000..2099 LOOP
    -- 99999 decimal numbers + 26 letters x 36^4
    EXECUTE format('CREATE SEQUENCE pk_v_slip_01.slip_no_%s AS BIGINT MINVALUE 1 MAXVALUE 43770015 NO CYCLE', y);
  END LOOP;
END $$;
