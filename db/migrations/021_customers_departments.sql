-- Customers, bank accounts, postal codes, accounting departments and the
-- numbering counters of the reference codes.

-- Customers.  The code is the 2-character kind followed by an 8-digit number;
-- the number part is unique over all kinds (one sequence, see
-- pk_v_numbering.next_customer_no).  The code changes in place when the kind
-- or number of a customer is changed.
CREATE TABLE va050ms (
  c_code        VARCHAR(10)  NOT NULL,
  c_kind        VARCHAR(2)   NOT NULL,
  c_name        VARCHAR(60)  NOT NULL,
  c_pr_code     VARCHAR(10),
  c_num         VARCHAR(12),
  soc_id        VARCHAR(14),
  boss_name     VARCHAR(30),
  c_item        VARCHAR(34),
  c_type        VARCHAR(50),
  zip           VARCHAR(7),
  addr1         VARCHAR(150),
  addr2         VARCHAR(150),
  rep_phone     VARCHAR(20),
  fax_no        VARCHAR(20),
  mobile_no     VARCHAR(20),
  email         VARCHAR(60),
  national_init VARCHAR(10)  NOT NULL DEFAULT 'KR',
  local_init    VARCHAR(10)  NOT NULL DEFAULT '17',
  deal_type     CHAR(1)      NOT NULL DEFAULT '1',
  use_yn        CHAR(1)      NOT NULL DEFAULT 'Y',
  u_date        TIMESTAMP(0) DEFAULT LOCALTIMESTAMP(0),
  u_ip          VARCHAR(20),
  u_emp_no      VARCHAR(10),
  CONSTRAINT va050ms_pk PRIMARY KEY (c_code),
  CONSTRAINT va050ms_code_ck CHECK (c_code ~ '^.{2}[0-9]{8}$' AND substr(c_code, 1, 2) = c_kind),
  CONSTRAINT va050ms_deal_ck CHECK (deal_type IN ('1', '2', '3')),
  CONSTRAINT va050ms_use_ck CHECK (use_yn IN ('Y', 'N'))
);
-- the number part alone is unique across kinds
CREATE UNIQUE INDEX va050ms_number_uk ON va050ms (substr(c_code, 3, 8));
CREATE INDEX va050ms_code_like_ix ON va050ms (c_code varchar_pattern_ops);
CREATE INDEX va050ms_kind_ix ON va050ms (c_kind);
CREATE INDEX va050ms_c_num_ix ON va050ms (c_num);
CREATE INDEX va050ms_name_ix ON va050ms (c_name varchar_pattern_ops);

-- Bank accounts at financial institutions (customers of kind '03').  Opening
-- and maturity dates are text dates ('YYYY-MM-DD').
CREATE TABLE va051ms (
  c_code      VARCHAR(10)   NOT NULL,
  d_account   VARCHAR(20)   NOT NULL,
  d_name      VARCHAR(60),
  d_owner     VARCHAR(50),
  d_type      VARCHAR(1),
  d_opendate  VARCHAR(10),
  d_duedate   VARCHAR(10),
  b_rate_type VARCHAR(1),
  int_rate    NUMERIC(7,3)  DEFAULT 0,
  secure_type VARCHAR(1),
  attach_yn   CHAR(1)       NOT NULL DEFAULT 'N',
  summary     VARCHAR(2000),
  use_yn      CHAR(1)       NOT NULL DEFAULT 'Y',
  u_date      TIMESTAMP(0)  DEFAULT LOCALTIMESTAMP(0),
  u_ip        VARCHAR(20),
  u_emp_no    VARCHAR(10),
  CONSTRAINT va051ms_pk PRIMARY KEY (c_code, d_account),
  CONSTRAINT va051ms_bank_fk FOREIGN KEY (c_code)
    REFERENCES va050ms (c_code) ON UPDATE CASCADE,
  CONSTRAINT va051ms_attach_ck CHECK (attach_yn IN ('Y', 'N')),
  CONSTRAINT va051ms_use_ck CHECK (use_yn IN ('Y', 'N'))
);
CREATE INDEX va051ms_account_ix ON va051ms (d_account varchar_pattern_ops);

-- Postal codes (read only): old 6-digit codes with their lot-number address
-- and, for road-name search, the 5-digit code and the road name.
CREATE TABLE zx030ms (
  zip_seq   INTEGER      GENERATED ALWAYS AS IDENTITY,
  zip_code  VARCHAR(7)   NOT NULL,
  address1  VARCHAR(40)  NOT NULL,
  address2  VARCHAR(40),
  address3  VARCHAR(60),
  post_box  VARCHAR(40),
  zip_no    VARCHAR(5),
  road_name VARCHAR(100),
  CONSTRAINT zx030ms_pk PRIMARY KEY (zip_seq)
);
CREATE INDEX zx030ms_zip_code_ix ON zx030ms (zip_code varchar_pattern_ops);
CREATE INDEX zx030ms_zip_no_ix ON zx030ms (zip_no varchar_pattern_ops);
CREATE INDEX zx030ms_address3_ix ON zx030ms (address3 varchar_pattern_ops);

-- Accounting departments.  Level, cost kind and use mark are free codes that
-- the maintenance screen does not check ('0' upper, '2' team, '3' part,
-- '4' accounting code; 'N' cost, 'P' selling and administrative, 'Y' other).
CREATE TABLE va160ms (
  aff_dept_code VARCHAR(4)   NOT NULL,
  aff_dept_name VARCHAR(50),
  dept_code     VARCHAR(4),
  dept_type     VARCHAR(1),
  dept_aff_yn   VARCHAR(1),
  use_yn        VARCHAR(1),
  dept_rem      VARCHAR(100),
  dept_seq      VARCHAR(3),
  u_date        TIMESTAMP(0) DEFAULT LOCALTIMESTAMP(0),
  u_ip          VARCHAR(20),
  u_emp_no      VARCHAR(10),
  CONSTRAINT va160ms_pk PRIMARY KEY (aff_dept_code)
);
CREATE INDEX va160ms_upper_ix ON va160ms (dept_code);
CREATE INDEX va160ms_seq_ix ON va160ms (dept_seq);

-- A second plain department list of the accounting side (cost statements).
CREATE TABLE va150ms (
  dept_code VARCHAR(4)  NOT NULL,
  dept_name VARCHAR(50) NOT NULL,
  use_yn    CHAR(1)     NOT NULL DEFAULT 'Y',
  CONSTRAINT va150ms_pk PRIMARY KEY (dept_code),
  CONSTRAINT va150ms_use_ck CHECK (use_yn IN ('Y', 'N'))
);

-- Numbering counters: the last number handed out per kind of code.  The
-- numbering functions take the row lock of their kind, so two workstations
-- asking at the same time get different numbers.
CREATE TABLE va090ms (
  num_kind VARCHAR(30)  NOT NULL,
  last_no  BIGINT       NOT NULL DEFAULT 0,
  u_date   TIMESTAMP(0) DEFAULT LOCALTIMESTAMP(0),
  CONSTRAINT va090ms_pk PRIMARY KEY (num_kind),
  CONSTRAINT va090ms_last_ck CHECK (last_no >= 0)
);
