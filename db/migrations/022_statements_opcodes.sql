-- Statement layouts, statement item codes and the operating income/expense
-- codes with their classification tree.

-- Layout lines of a statement kind (common-code group 'V0008') per fiscal
-- period.  The lines' accounts follow a changed key.
CREATE TABLE va060ms (
  session_id NUMERIC(3)   NOT NULL,
  form_code  VARCHAR(1)   NOT NULL,
  seq_no     NUMERIC(3)   NOT NULL,
  order_no   NUMERIC(5),
  order_code VARCHAR(7),
  disp_name  VARCHAR(50),
  disp_type  VARCHAR(1),
  u_date     TIMESTAMP(0) DEFAULT LOCALTIMESTAMP(0),
  u_ip       VARCHAR(20),
  u_emp_no   VARCHAR(10),
  CONSTRAINT va060ms_pk PRIMARY KEY (session_id, form_code, seq_no)
);

-- Accounts summed into a layout line, with the sign they enter it with.
CREATE TABLE va060dt (
  session_id   NUMERIC(3)   NOT NULL,
  form_code    VARCHAR(1)   NOT NULL,
  seq_no       NUMERIC(3)   NOT NULL,
  acct_code    VARCHAR(7)   NOT NULL,
  calc_formula CHAR(1)      NOT NULL DEFAULT '+',
  u_date       TIMESTAMP(0) DEFAULT LOCALTIMESTAMP(0),
  u_ip         VARCHAR(20),
  u_emp_no     VARCHAR(10),
  CONSTRAINT va060dt_pk PRIMARY KEY (session_id, form_code, seq_no, acct_code),
  CONSTRAINT va060dt_line_fk FOREIGN KEY (session_id, form_code, seq_no)
    REFERENCES va060ms (session_id, form_code, seq_no) ON UPDATE CASCADE ON DELETE CASCADE,
  CONSTRAINT va060dt_acct_fk FOREIGN KEY (acct_code) REFERENCES va020ms (acct_code),
  CONSTRAINT va060dt_formula_ck CHECK (calc_formula IN ('+', '-'))
);
CREATE INDEX va060dt_acct_ix ON va060dt (acct_code);

-- Statement item codes.
CREATE TABLE va024ms (
  budg_acct  VARCHAR(10)  NOT NULL,
  budg_name  VARCHAR(60),
  budg_upcd  VARCHAR(10),
  user_yn    CHAR(1)      NOT NULL DEFAULT 'Y',
  zip_yn     CHAR(1)      NOT NULL DEFAULT 'N',
  line_gubun CHAR(1)      NOT NULL DEFAULT '0',
  budg_yn    CHAR(1)      NOT NULL DEFAULT 'N',
  u_date     TIMESTAMP(0) DEFAULT LOCALTIMESTAMP(0),
  u_ip       VARCHAR(20),
  u_emp_no   VARCHAR(10),
  CONSTRAINT va024ms_pk PRIMARY KEY (budg_acct),
  CONSTRAINT va024ms_user_ck CHECK (user_yn IN ('Y', 'N')),
  CONSTRAINT va024ms_zip_ck CHECK (zip_yn IN ('Y', 'N')),
  CONSTRAINT va024ms_line_ck CHECK (line_gubun IN ('0', '1', '2')),
  CONSTRAINT va024ms_budg_ck CHECK (budg_yn IN ('Y', 'N'))
);
CREATE INDEX va024ms_upper_ix ON va024ms (budg_upcd);

-- Slip-bearing accounts assigned to a statement item.  The assignments stay
-- when their item is deleted (they come back with an item of the same code).
CREATE TABLE va025ms (
  budg_acct VARCHAR(10)  NOT NULL,
  acct_code VARCHAR(7)   NOT NULL,
  u_date    TIMESTAMP(0) DEFAULT LOCALTIMESTAMP(0),
  u_ip      VARCHAR(20),
  u_emp_no  VARCHAR(10),
  CONSTRAINT va025ms_pk PRIMARY KEY (budg_acct, acct_code),
  CONSTRAINT va025ms_acct_fk FOREIGN KEY (acct_code) REFERENCES va020ms (acct_code)
);
CREATE INDEX va025ms_acct_ix ON va025ms (acct_code);

-- Classification tree of the operating income/expense codes: a level-k code
-- has 2k digits, its parent's code followed by a 2-digit own part.
CREATE TABLE vx011ms (
  gubun_code  VARCHAR(12)  NOT NULL,
  gubun_name  VARCHAR(60),
  code_length VARCHAR(2),
  u_date      TIMESTAMP(0) DEFAULT LOCALTIMESTAMP(0),
  u_ip        VARCHAR(20),
  u_emp_no    VARCHAR(10),
  CONSTRAINT vx011ms_pk PRIMARY KEY (gubun_code)
);
CREATE INDEX vx011ms_length_ix ON vx011ms (code_length, gubun_code);

-- Operating income/expense codes.  MENU_CODE is the classification path;
-- typed level entries may be longer than the 2-digit parts, so it is wider
-- than the twelve characters of a complete path.
CREATE TABLE vx010ms (
  bu_acct_code  VARCHAR(6)   NOT NULL,
  bu_acct_name  VARCHAR(300),
  bu_acct_sname VARCHAR(60),
  gubun_code1   VARCHAR(4),
  gubun_code2   VARCHAR(4),
  gubun_code3   VARCHAR(4),
  gubun_code4   VARCHAR(4),
  gubun_code5   VARCHAR(4),
  gubun_code6   VARCHAR(4),
  menu_code     VARCHAR(30),
  p_by_code     VARCHAR(10),
  n_by_code     VARCHAR(10),
  use_yn        CHAR(1)      NOT NULL DEFAULT 'Y',
  u_date        TIMESTAMP(0) DEFAULT LOCALTIMESTAMP(0),
  u_ip          VARCHAR(20),
  u_emp_no      VARCHAR(10),
  CONSTRAINT vx010ms_pk PRIMARY KEY (bu_acct_code),
  CONSTRAINT vx010ms_use_ck CHECK (use_yn IN ('Y', 'N'))
);
CREATE INDEX vx010ms_menu_ix ON vx010ms (menu_code);
