-- Funds: loans with their repayment schedules, installment savings with
-- their payment schedules, leases and the monthly fund plan.
--
-- A schedule belongs to its contract: it follows a renamed loan or savings
-- account (ON UPDATE CASCADE) and goes with a deleted one.

CREATE TABLE vg020ms (
  loan_no     VARCHAR(20)   NOT NULL,
  fin_inst_cd VARCHAR(10)   NOT NULL,
  sbj_nm      VARCHAR(60),
  loan_amt    NUMERIC(15)   NOT NULL,
  opn_dt      VARCHAR(10)   NOT NULL,
  exp_dt      VARCHAR(10)   NOT NULL,
  yy_dfr      NUMERIC(3)    NOT NULL DEFAULT 0,
  yy_rpy      NUMERIC(3),
  rpy_mthd    CHAR(1)       NOT NULL DEFAULT '2',
  lon_dt      VARCHAR(10),
  int_dt      VARCHAR(10),
  pay_kind1   CHAR(1)       NOT NULL DEFAULT '2',
  mm_pmt_dt   VARCHAR(2),
  lon_mm      NUMERIC(3),
  int_mm      NUMERIC(3),
  int_rt      NUMERIC(7,4),
  mm_pmt_amt  NUMERIC(15),
  first_amt   NUMERIC(15),
  end_yn      CHAR(1)       NOT NULL DEFAULT 'N',
  u_date      TIMESTAMP(0)  DEFAULT LOCALTIMESTAMP(0),
  u_ip        VARCHAR(20),
  u_emp_no    VARCHAR(10),
  CONSTRAINT vg020ms_pk PRIMARY KEY (loan_no),
  CONSTRAINT vg020ms_mthd_ck CHECK (rpy_mthd IN ('1', '2')),
  CONSTRAINT vg020ms_kind_ck CHECK (pay_kind1 IN ('1', '2')),
  CONSTRAINT vg020ms_end_ck CHECK (end_yn IN ('Y', 'N')),
  CONSTRAINT vg020ms_amt_ck CHECK (loan_amt > 0),
  CONSTRAINT vg020ms_rate_ck CHECK (int_rt > 0 AND int_rt < 100)
);

-- Interest is kept to four decimal places of a won (the exact figure of the
-- days-over-365 rule); the grid and the prints show whole won.
CREATE TABLE vg020dt (
  loan_no   VARCHAR(20)   NOT NULL,
  tms       INTEGER       NOT NULL,
  repay_dt  VARCHAR(10)   NOT NULL,
  repay_amt NUMERIC(19,4) NOT NULL DEFAULT 0,
  prn       NUMERIC(15)   NOT NULL DEFAULT 0,
  "int"     NUMERIC(19,4) NOT NULL DEFAULT 0,
  rem_amt   NUMERIC(15)   NOT NULL DEFAULT 0,
  prf_rt    NUMERIC(7,4),
  flag      CHAR(1),
  day       INTEGER,
  u_date    TIMESTAMP(0)  DEFAULT LOCALTIMESTAMP(0),
  u_ip      VARCHAR(20),
  u_emp_no  VARCHAR(10),
  CONSTRAINT vg020dt_pk PRIMARY KEY (loan_no, tms),
  CONSTRAINT vg020dt_loan_fk FOREIGN KEY (loan_no) REFERENCES vg020ms (loan_no)
    ON UPDATE CASCADE ON DELETE CASCADE
);
CREATE INDEX vg020dt_repay_ix ON vg020dt (repay_dt);

CREATE TABLE vg010ms (
  acn_no      VARCHAR(20)   NOT NULL,
  fin_inst_cd VARCHAR(10),
  opn_dt      VARCHAR(10)   NOT NULL,
  exp_dt      VARCHAR(10)   NOT NULL,
  ctr_amt     NUMERIC(15)   NOT NULL,
  yy_int_rt   NUMERIC(7,4),
  mm_pmt_amt  NUMERIC(15)   NOT NULL,
  mm_pmt_dt   VARCHAR(2),
  last_dt     CHAR(1)       NOT NULL DEFAULT '2',
  u_date      TIMESTAMP(0)  DEFAULT LOCALTIMESTAMP(0),
  u_ip        VARCHAR(20),
  u_emp_no    VARCHAR(10),
  CONSTRAINT vg010ms_pk PRIMARY KEY (acn_no),
  CONSTRAINT vg010ms_last_ck CHECK (last_dt IN ('1', '2')),
  CONSTRAINT vg010ms_amt_ck CHECK (mm_pmt_amt > 0 AND mm_pmt_amt <= ctr_amt)
);

CREATE TABLE vg010dt (
  acn_no   VARCHAR(20)   NOT NULL,
  tms      INTEGER       NOT NULL,
  pay_dt   VARCHAR(10)   NOT NULL,
  pay_amt  NUMERIC(15)   NOT NULL DEFAULT 0,
  prf_rt   NUMERIC(7,4),
  tot_amt  NUMERIC(15)   NOT NULL DEFAULT 0,
  u_date   TIMESTAMP(0)  DEFAULT LOCALTIMESTAMP(0),
  u_ip     VARCHAR(20),
  u_emp_no VARCHAR(10),
  CONSTRAINT vg010dt_pk PRIMARY KEY (acn_no, tms),
  CONSTRAINT vg010dt_acn_fk FOREIGN KEY (acn_no) REFERENCES vg010ms (acn_no)
    ON UPDATE CASCADE ON DELETE CASCADE
);

CREATE TABLE vg040ms (
  lis_no   VARCHAR(6)    NOT NULL,
  lis_name VARCHAR(60),
  lis_size VARCHAR(60),
  lis_kind CHAR(1),
  lis_date VARCHAR(2),
  lis_ondt VARCHAR(10),
  lis_amt  NUMERIC(12),
  lis_grt  NUMERIC(10),
  lis_much NUMERIC(10),
  lis_misr NUMERIC(10),
  lis_rt   NUMERIC(7,4),
  lis_nybs CHAR(1),
  lis_nymn VARCHAR(2),
  lis_bsnm VARCHAR(4),
  lis_numb VARCHAR(2),
  end_yn   CHAR(1)       NOT NULL DEFAULT 'N',
  u_date   TIMESTAMP(0)  DEFAULT LOCALTIMESTAMP(0),
  u_ip     VARCHAR(20),
  u_emp_no VARCHAR(10),
  CONSTRAINT vg040ms_pk PRIMARY KEY (lis_no),
  CONSTRAINT vg040ms_no_ck CHECK (lis_no ~ '^[0-9]{6}$'),
  CONSTRAINT vg040ms_end_ck CHECK (end_yn IN ('Y', 'N'))
);

-- The plan of a month: one row per fund code with the amount of each day;
-- a day the month lacks stays NULL.
CREATE TABLE vg090ms (
  fnd_usg_ym VARCHAR(6)  NOT NULL,
  fnd_usg_cd VARCHAR(4)  NOT NULL,
  fnd_01_amt NUMERIC(15), fnd_02_amt NUMERIC(15), fnd_03_amt NUMERIC(15), fnd_04_amt NUMERIC(15),
  fnd_05_amt NUMERIC(15), fnd_06_amt NUMERIC(15), fnd_07_amt NUMERIC(15), fnd_08_amt NUMERIC(15),
  fnd_09_amt NUMERIC(15), fnd_10_amt NUMERIC(15), fnd_11_amt NUMERIC(15), fnd_12_amt NUMERIC(15),
  fnd_13_amt NUMERIC(15), fnd_14_amt NUMERIC(15), fnd_15_amt NUMERIC(15), fnd_16_amt NUMERIC(15),
  fnd_17_amt NUMERIC(15), fnd_18_amt NUMERIC(15), fnd_19_amt NUMERIC(15), fnd_20_amt NUMERIC(15),
  fnd_21_amt NUMERIC(15), fnd_22_amt NUMERIC(15), fnd_23_amt NUMERIC(15), fnd_24_amt NUMERIC(15),
  fnd_25_amt NUMERIC(15), fnd_26_amt NUMERIC(15), fnd_27_amt NUMERIC(15), fnd_28_amt NUMERIC(15),
  fnd_29_amt NUMERIC(15), fnd_30_amt NUMERIC(15), fnd_31_amt NUMERIC(15),
  u_date     TIMESTAMP(0) DEFAULT LOCALTIMESTAMP(0),
  u_ip       VARCHAR(20),
  u_emp_no   VARCHAR(10),
  CONSTRAINT vg090ms_pk PRIMARY KEY (fnd_usg_ym, fnd_usg_cd),
  CONSTRAINT vg090ms_ym_ck CHECK (fnd_usg_ym ~ '^[0-9]{4}(0[1-9]|1[0-2])$')
);
