-- Result tables of the income statement, the balance sheet and the cost
-- statements. Each is written only by its database function, delete and
-- insert of one run in one transaction under the lock of its key (the
-- workstation address, or the employee for the balance sheet), and read by
-- the screens.
SET client_min_messages = warning;

-- The income statement per workstation address: sections, their accounts
-- and the computed lines (gross profit, operating income, income before
-- tax, net income 9999999), in SPRT_ORD order. D/C: the month and the
-- term-to-date of the month searched; BD/BC: the same for the comparison
-- month. Amounts are signed as the statement reads them (revenue and
-- profit positive, costs positive as costs).
CREATE TABLE vd020_rpt (
  ip_addr   VARCHAR(20)   NOT NULL,
  acct_code VARCHAR(7)    NOT NULL,
  acct_name VARCHAR(60),
  acct_upcd VARCHAR(7),
  d_amount  NUMERIC(17,0) NOT NULL DEFAULT 0,
  c_amount  NUMERIC(17,0) NOT NULL DEFAULT 0,
  bd_amount NUMERIC(17,0) NOT NULL DEFAULT 0,
  bc_amount NUMERIC(17,0) NOT NULL DEFAULT 0,
  sprt_ord  INTEGER       NOT NULL,
  CONSTRAINT vd020_rpt_pk PRIMARY KEY (ip_addr, acct_code)
);

-- The balance sheet per employee: account lines (LVL 0) and group lines
-- (LVL 1) of the month searched and of the previous term's end.
CREATE TABLE vd031_rpt (
  u_emp_no   VARCHAR(10)   NOT NULL,
  acct_code  VARCHAR(7)    NOT NULL,
  acct_pname VARCHAR(60),
  d_amount   NUMERIC(17,0),
  c_amount   NUMERIC(17,0),
  bd_amount  NUMERIC(17,0),
  bc_amount  NUMERIC(17,0),
  lvl        INTEGER       NOT NULL,
  CONSTRAINT vd031_rpt_pk PRIMARY KEY (u_emp_no, acct_code),
  CONSTRAINT vd031_rpt_lvl_ck CHECK (lvl IN (0, 1))
);

-- The cost-of-sales statement per workstation address: one row per account
-- (and account group) and department. ORD '0' marks the group rows, which
-- the department totals leave out; '1' the accounts.
CREATE TABLE vh010pr (
  ip_addr   VARCHAR(20)   NOT NULL,
  acct_code VARCHAR(7)    NOT NULL,
  acct_name VARCHAR(60),
  dept_code VARCHAR(4)    NOT NULL,
  dept_name VARCHAR(50),
  amount    NUMERIC(17,0) NOT NULL DEFAULT 0,
  ord       VARCHAR(1)    NOT NULL,
  CONSTRAINT vh010pr_pk PRIMARY KEY (ip_addr, acct_code, dept_code),
  CONSTRAINT vh010pr_ord_ck CHECK (ord IN ('0', '1'))
);
