-- Past data ("과거자료"): slips and monthly sums of earlier years, moved out of
-- the current tables. Same columns as the current tables so that a screen
-- only has to put "BKUSER." before the table name. Accounts and departments
-- stay in the current schema; an account retired since then must not make
-- an old slip unreadable, so the past lines carry no account foreign key.
CREATE SCHEMA IF NOT EXISTS bkuser;

CREATE TABLE bkuser.vb010ms (LIKE public.vb010ms INCLUDING DEFAULTS INCLUDING CONSTRAINTS INCLUDING INDEXES);
CREATE TABLE bkuser.vb011ms (LIKE public.vb011ms INCLUDING DEFAULTS INCLUDING CONSTRAINTS INCLUDING INDEXES);
CREATE TABLE bkuser.vb011dt (LIKE public.vb011dt INCLUDING DEFAULTS INCLUDING CONSTRAINTS INCLUDING INDEXES);
CREATE TABLE bkuser.vb071ms (LIKE public.vb071ms INCLUDING DEFAULTS INCLUDING CONSTRAINTS INCLUDING INDEXES);

ALTER TABLE bkuser.vb011ms ADD CONSTRAINT bk_vb011ms_slip_fk
  FOREIGN KEY (slip_no) REFERENCES bkuser.vb010ms (slip_no) ON DELETE CASCADE;
ALTER TABLE bkuser.vb011dt ADD CONSTRAINT bk_vb011dt_line_fk
  FOREIGN KEY (slip_no, slip_seq_no) REFERENCES bkuser.vb011ms (slip_no, slip_seq_no) ON DELETE CASCADE;
