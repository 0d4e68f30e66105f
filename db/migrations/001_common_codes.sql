-- Common codes: one row per code DETAIL of a code group HEAD.
CREATE TABLE zx010ms (
  head        VARCHAR(10)  NOT NULL,
  detail      VARCHAR(20)  NOT NULL,
  detail_name VARCHAR(100),
  item1       VARCHAR(100),
  item2       VARCHAR(100),
  item3       VARCHAR(100),
  u_date      TIMESTAMP(0) DEFAULT LOCALTIMESTAMP(0),
  u_ip        VARCHAR(20),
  u_emp_no    VARCHAR(10),
  CONSTRAINT zx010ms_pk PRIMARY KEY (head, detail)
);
