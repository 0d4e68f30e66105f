-- Fiscal periods ("기수"). A day belongs to the period whose first and last
-- day enclose it; periods never overlap, so that lookup has one answer.
CREATE TABLE vi010ms (
  session_id INTEGER      NOT NULL,
  st_date    DATE         NOT NULL,
  ed_date    DATE         NOT NULL,
  close_yn   CHAR(1)      NOT NULL DEFAULT 'N',
  summary    VARCHAR(2000),
  u_date     TIMESTAMP(0) DEFAULT LOCALTIMESTAMP(0),
  u_ip       VARCHAR(20),
  u_emp_no   VARCHAR(10),
  CONSTRAINT vi010ms_pk PRIMARY KEY (session_id),
  CONSTRAINT vi010ms_session_ck CHECK (session_id BETWEEN 0 AND 999),
  CONSTRAINT vi010ms_range_ck CHECK (st_date <= ed_date),
  CONSTRAINT vi010ms_close_ck CHECK (close_yn IN ('Y', 'N')),
  CONSTRAINT vi010ms_no_overlap EXCLUDE USING gist (daterange(st_date, ed_date, '[]') WITH &&)
);
CREATE INDEX vi010ms_dates_ix ON vi010ms (st_date, ed_date);
