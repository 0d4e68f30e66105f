-- Shared reference tables: the personnel tables the accounting side reads,
-- user authority, the chart of accounts, management items and account rules.
-- Dates that the client compares as 'YYYY-MM-DD' text stay text; day values
-- are DATE so that both a text literal and a date compare with them.

-- Departments as slips and ledgers name them (owned by the personnel system).
-- DEPT_CODE is the department's code in the dated organisation (normally equal
-- to AFF_DEPT_CODE) and DEPT_NAME its name there; the cost statements join
-- slip department items to them.
CREATE TABLE qa160ms (
  aff_dept_code VARCHAR(4)   NOT NULL,
  aff_dept_name VARCHAR(50)  NOT NULL,
  dept_code     VARCHAR(4),
  dept_name     VARCHAR(50),
  dept_type     VARCHAR(1),
  dept_aff_yn   VARCHAR(1),
  use_yn        CHAR(1)      NOT NULL DEFAULT 'Y',
  CONSTRAINT qa160ms_pk PRIMARY KEY (aff_dept_code),
  CONSTRAINT qa160ms_use_ck CHECK (use_yn IN ('Y', 'N'))
);
CREATE INDEX qa160ms_dept_code_ix ON qa160ms (dept_code);

-- Departments with validity periods and the organisation tree.  R_CODE is the
-- path of 4-character codes from the root; L_NAME is the tree label indented
-- with one leading blank per level below the root.  BGN_DATE and END_DATE are
-- 'YYYY-MM-DD' texts, both days included.
CREATE TABLE qa160ms_date (
  dept_code     VARCHAR(4)   NOT NULL,
  dept_name     VARCHAR(50)  NOT NULL,
  man_dept_code VARCHAR(4),
  man_dept_name VARCHAR(50),
  dept_type     VARCHAR(1)   NOT NULL,
  dept_aff_yn   VARCHAR(1),
  sort_ord      INTEGER      NOT NULL,
  lvl           INTEGER      NOT NULL,
  l_name        VARCHAR(80)  NOT NULL,
  r_name        VARCHAR(300),
  r_code        VARCHAR(40)  NOT NULL,
  bgn_date      VARCHAR(10)  NOT NULL,
  end_date      VARCHAR(10)  NOT NULL,
  CONSTRAINT qa160ms_date_pk PRIMARY KEY (dept_code, bgn_date),
  CONSTRAINT qa160ms_date_bgn_ck CHECK (bgn_date ~ '^[0-9]{4}-[0-9]{2}-[0-9]{2}$'),
  CONSTRAINT qa160ms_date_end_ck CHECK (end_date ~ '^[0-9]{4}-[0-9]{2}-[0-9]{2}$'),
  CONSTRAINT qa160ms_date_range_ck CHECK (bgn_date <= end_date),
  CONSTRAINT qa160ms_date_lvl_ck CHECK (lvl >= 1)
);
CREATE INDEX qa160ms_date_period_ix ON qa160ms_date (bgn_date, end_date);
CREATE INDEX qa160ms_date_sort_ix ON qa160ms_date (sort_ord);

-- A plain list of parts (read by the cost statements).
CREATE TABLE qa150ms (
  dept_code VARCHAR(4)  NOT NULL,
  dept_name VARCHAR(50) NOT NULL,
  use_yn    CHAR(1)     NOT NULL DEFAULT 'Y',
  CONSTRAINT qa150ms_pk PRIMARY KEY (dept_code),
  CONSTRAINT qa150ms_use_ck CHECK (use_yn IN ('Y', 'N'))
);

-- Employees (owned by the personnel system).
CREATE TABLE qa010ms (
  emp_no            VARCHAR(10) NOT NULL,
  emp_k_name        VARCHAR(30) NOT NULL,
  emp_aff_dept_code VARCHAR(4),
  emp_acc_dept_code VARCHAR(4),
  CONSTRAINT qa010ms_pk PRIMARY KEY (emp_no),
  CONSTRAINT qa010ms_aff_dept_fk FOREIGN KEY (emp_aff_dept_code)
    REFERENCES qa160ms (aff_dept_code) ON UPDATE CASCADE
);
CREATE INDEX qa010ms_aff_dept_ix ON qa010ms (emp_aff_dept_code);
CREATE INDEX qa010ms_name_ix ON qa010ms (emp_k_name);

-- User authority: one row per employee and validity period.
CREATE TABLE va010ms (
  emp_no     VARCHAR(10)  NOT NULL,
  st_date    DATE         NOT NULL,
  ed_date    DATE         NOT NULL,
  charge_yn  CHAR(1)      NOT NULL DEFAULT 'N',
  charge2_yn CHAR(1)      NOT NULL DEFAULT 'N',
  u_date     TIMESTAMP(0) DEFAULT LOCALTIMESTAMP(0),
  u_ip       VARCHAR(20),
  u_emp_no   VARCHAR(10),
  CONSTRAINT va010ms_pk PRIMARY KEY (emp_no, st_date),
  CONSTRAINT va010ms_emp_fk FOREIGN KEY (emp_no) REFERENCES qa010ms (emp_no),
  CONSTRAINT va010ms_range_ck CHECK (st_date <= ed_date),
  CONSTRAINT va010ms_charge_ck CHECK (charge_yn IN ('Y', 'N')),
  CONSTRAINT va010ms_charge2_ck CHECK (charge2_yn IN ('Y', 'N'))
);
CREATE INDEX va010ms_period_ix ON va010ms (emp_no, ed_date);

-- Fund usage codes (fund plans).
CREATE TABLE vg005ms (
  fnd_usg_cd VARCHAR(4)   NOT NULL,
  fnd_usg_nm VARCHAR(50)  NOT NULL,
  u_date     TIMESTAMP(0) DEFAULT LOCALTIMESTAMP(0),
  u_ip       VARCHAR(20),
  u_emp_no   VARCHAR(10),
  CONSTRAINT vg005ms_pk PRIMARY KEY (fnd_usg_cd)
);

-- Chart of accounts.  The upper account follows the code rule of the account
-- tree unless it was entered directly; it need not exist (slip entry then
-- leaves its columns empty), so it carries no foreign key.  The fund code is
-- kept as typed, which is why it has no foreign key either.
CREATE TABLE va020ms (
  acct_code   VARCHAR(7)   NOT NULL,
  p_acct_code VARCHAR(7)   NOT NULL,
  acc_level   VARCHAR(1)   NOT NULL,
  acct_name   VARCHAR(60)  NOT NULL,
  acct_sname  VARCHAR(60)  NOT NULL,
  acct_pname  VARCHAR(60),
  acct_ename  VARCHAR(100),
  slip_yn     CHAR(1)      NOT NULL DEFAULT 'N',
  dc_div      CHAR(1)      NOT NULL DEFAULT 'D',
  bal_yn      CHAR(1)      NOT NULL DEFAULT 'N',
  use_yn      CHAR(1)      NOT NULL DEFAULT 'Y',
  fnd_usg_cd  VARCHAR(4),
  u_date      TIMESTAMP(0) DEFAULT LOCALTIMESTAMP(0),
  u_ip        VARCHAR(20),
  u_emp_no    VARCHAR(10),
  CONSTRAINT va020ms_pk PRIMARY KEY (acct_code),
  CONSTRAINT va020ms_code_ck CHECK (acct_code ~ '^[0-9]{7}$'),
  CONSTRAINT va020ms_upper_ck CHECK (p_acct_code ~ '^[0-9]{7}$'),
  CONSTRAINT va020ms_level_ck CHECK (acc_level ~ '^[0-9]$'),
  CONSTRAINT va020ms_slip_ck CHECK (slip_yn IN ('Y', 'N')),
  CONSTRAINT va020ms_dc_ck CHECK (dc_div IN ('D', 'C', 'A')),
  CONSTRAINT va020ms_bal_ck CHECK (bal_yn IN ('Y', 'N')),
  CONSTRAINT va020ms_use_ck CHECK (use_yn IN ('Y', 'N'))
);
CREATE INDEX va020ms_upper_ix ON va020ms (p_acct_code);
CREATE INDEX va020ms_code_like_ix ON va020ms (acct_code varchar_pattern_ops);
CREATE INDEX va020ms_slip_ix ON va020ms (acct_code) WHERE use_yn = 'Y' AND slip_yn = 'Y';
CREATE INDEX va020ms_fund_ix ON va020ms (fnd_usg_cd);

-- Management items.  For lookup items CON_CODE holds the complete SELECT that
-- lists the values (first column code, second name) with at most one named
-- parameter, which receives the typed text followed by '%'.
CREATE TABLE va030ms (
  mg_code   VARCHAR(3)   NOT NULL,
  mg_name   VARCHAR(50),
  mg_type   CHAR(1)      NOT NULL DEFAULT '1',
  p_mg_code VARCHAR(3),
  bal_yn    CHAR(1)      NOT NULL DEFAULT 'N',
  con_code  TEXT,
  u_date    TIMESTAMP(0) DEFAULT LOCALTIMESTAMP(0),
  u_ip      VARCHAR(20),
  u_emp_no  VARCHAR(10),
  CONSTRAINT va030ms_pk PRIMARY KEY (mg_code),
  CONSTRAINT va030ms_code_ck CHECK (mg_code ~ '^[0-9]{3}$'),
  CONSTRAINT va030ms_type_ck CHECK (mg_type IN ('0', '1', '2')),
  CONSTRAINT va030ms_bal_ck CHECK (bal_yn IN ('Y', 'N'))
);

-- Account rules: which item a slip line on the account carries in which of the
-- seven positions.  Rules go with their account; a renamed item code carries
-- its rules along, and removing an item removes the rules that used it (slip
-- entry would ignore them anyway, but no required-item check may hang on a
-- missing item).
CREATE TABLE va040ms (
  acct_code VARCHAR(7)   NOT NULL,
  mg_code   VARCHAR(3)   NOT NULL,
  lineup_no INTEGER      NOT NULL,
  d_must    CHAR(1)      NOT NULL DEFAULT 'N',
  c_must    CHAR(1)      NOT NULL DEFAULT 'N',
  use_yn    CHAR(1)      NOT NULL DEFAULT 'Y',
  bal_no    INTEGER      NOT NULL DEFAULT 0,
  u_date    TIMESTAMP(0) DEFAULT LOCALTIMESTAMP(0),
  u_ip      VARCHAR(20),
  u_emp_no  VARCHAR(10),
  CONSTRAINT va040ms_pk PRIMARY KEY (acct_code, lineup_no),
  CONSTRAINT va040ms_acct_fk FOREIGN KEY (acct_code)
    REFERENCES va020ms (acct_code) ON DELETE CASCADE,
  CONSTRAINT va040ms_mg_fk FOREIGN KEY (mg_code)
    REFERENCES va030ms (mg_code) ON UPDATE CASCADE ON DELETE CASCADE,
  CONSTRAINT va040ms_lineup_ck CHECK (lineup_no BETWEEN 1 AND 7),
  CONSTRAINT va040ms_d_must_ck CHECK (d_must IN ('Y', 'N')),
  CONSTRAINT va040ms_c_must_ck CHECK (c_must IN ('Y', 'N')),
  CONSTRAINT va040ms_use_ck CHECK (use_yn IN ('Y', 'N')),
  CONSTRAINT va040ms_bal_no_ck CHECK (bal_no BETWEEN 0 AND 3)
);
CREATE INDEX va040ms_mg_ix ON va040ms (mg_code);
