-- Tables of the daily books and the operating income/expense adjustment.
SET client_min_messages = warning;

-- Receipts applied to reservation deposits received, written by the
-- reservation system: RECEIPTS_REMARK holds in characters 1-8 the slip number
-- and in 9-10 the line number of the receipt it applies. This system only
-- reads it.
CREATE TABLE ab010ms (
  receipts_no     VARCHAR(12)   NOT NULL,
  receipts_date   DATE          NOT NULL,
  receipts_amt    NUMERIC(15,0) NOT NULL DEFAULT 0,
  receipts_remark VARCHAR(100),
  customer_name   VARCHAR(60),
  u_date          TIMESTAMP(0)  DEFAULT LOCALTIMESTAMP(0),
  CONSTRAINT ab010ms_pk PRIMARY KEY (receipts_no)
);
CREATE INDEX ab010ms_line_ix ON ab010ms (substr(receipts_remark, 1, 8), substr(receipts_remark, 9, 2));

-- The classification of operating income/expense rows whose confirmation
-- was cancelled: a confirmation of the same line again (same account and
-- amounts) takes it back, so that cancelling and re-confirming a slip does
-- not lose what was adjusted by hand.
CREATE TABLE vz101ms (
  slip_no      VARCHAR(8)    NOT NULL,
  slip_seq     INTEGER       NOT NULL,
  acct_code    VARCHAR(7),
  line_d_amt   NUMERIC(15,0),
  line_c_amt   NUMERIC(15,0),
  vat_amt      NUMERIC(15,0),
  adj_amt      NUMERIC(15,0),
  bu_acct_code VARCHAR(6),
  apply_ym     VARCHAR(8),
  except_yn    CHAR(1),
  acct_rem     VARCHAR(200),
  acct_amt     NUMERIC(15,0),
  give_yn      CHAR(1),
  re_yn        CHAR(1),
  gubun_code   VARCHAR(10),
  by_code      VARCHAR(20),
  u_date       TIMESTAMP(0),
  u_emp_no     VARCHAR(10),
  CONSTRAINT vz101ms_pk PRIMARY KEY (slip_no, slip_seq),
  CONSTRAINT vz101ms_slip_fk FOREIGN KEY (slip_no) REFERENCES vb010ms (slip_no) ON DELETE CASCADE
);

-- The adjustment screen writes these; keep them to their few values.
UPDATE vz100ms SET except_yn = coalesce(except_yn, 'N'), give_yn = coalesce(give_yn, 'N'), re_yn = coalesce(re_yn, 'N');
ALTER TABLE vz100ms
  ADD CONSTRAINT vz100ms_except_ck CHECK (except_yn IN ('Y', 'N')),
  ADD CONSTRAINT vz100ms_give_ck CHECK (give_yn IN ('Y', 'N')),
  ADD CONSTRAINT vz100ms_re_ck CHECK (re_yn IN ('Y', 'N')),
  ADD CONSTRAINT vz100ms_gubun_ck CHECK (gubun_code IS NULL OR gubun_code IN ('판관비', '원가'));
CREATE INDEX vz100ms_apply_ix ON vz100ms (apply_ym);
