-- Staging of a slip being saved. Slip entry writes the lines and item values
-- of one slip into VB011MS_GT and VB011DT_GT (and empties VB010MS_GT) and then
-- calls pk_v_slip_01.slip_apply in the same transaction.
--
-- Those three names are views over shared unlogged tables. Every row carries
-- the staging key of the connection that wrote it, and each view shows only
-- the current connection's rows, so two connections never see each other's
-- lines, even for the same slip number. A connection takes its key the first
-- time it writes a staging row (from a sequence, kept in a session setting),
-- so keys are never reused: rows left by a connection that died are invisible
-- to every other connection and are purged when a new key is handed out.
-- Nothing has to be called per connection; the client writes the view names.

CREATE SEQUENCE pk_v_slip_01.stage_key_seq AS BIGINT;

-- One row per connection that has staged something: lets the purge tell live
-- keys from those of connections that are gone (a pid may be reused, the
-- start time of the backend is not).
CREATE UNLOGGED TABLE pk_v_slip_01.stage_session (
  stage_key     BIGINT      NOT NULL,
  pid           INTEGER     NOT NULL,
  backend_start TIMESTAMPTZ,
  opened_at     TIMESTAMPTZ NOT NULL DEFAULT now(),
  CONSTRAINT stage_session_pk PRIMARY KEY (stage_key)
);

-- The key of this connection, or NULL while it has staged nothing.
CREATE FUNCTION pk_v_slip_01.stage_key() RETURNS BIGINT
LANGUAGE sql STABLE AS
$$ SELECT NULLIF(current_setting('pk_v_slip_01.stage_key', true), '')::BIGINT $$;

-- The key of this connection, made on first use. The setting and the
-- registry row belong to the same transaction: if it rolls back, both go
-- and the next write makes a fresh key.
CREATE FUNCTION pk_v_slip_01.stage_key_take() RETURNS BIGINT
LANGUAGE plpgsql VOLATILE AS
$$
DECLARE
  k BIGINT := pk_v_slip_01.stage_key();
BEGIN
  IF k IS NOT NULL THEN
    RETURN k;
  END IF;
  PERFORM pk_v_slip_01.stage_purge();
  k := nextval('pk_v_slip_01.stage_key_seq');
  INSERT INTO pk_v_slip_01.stage_session (stage_key, pid, backend_start)
  SELECT k, pg_backend_pid(),
         (SELECT a.backend_start FROM pg_stat_activity a WHERE a.pid = pg_backend_pid());
  PERFORM set_config('pk_v_slip_01.stage_key', k::TEXT, false);
  RETURN k;
END
$$;

CREATE UNLOGGED TABLE pk_v_slip_01.gt_vb010ms (
  stage_key   BIGINT NOT NULL DEFAULT pk_v_slip_01.stage_key_take(),
  slip_no     VARCHAR(20),
  dept_code   VARCHAR(10),
  slip_date   DATE,
  acc_date    DATE,
  total_d_amt NUMERIC,
  total_c_amt NUMERIC,
  cr_emp_no   VARCHAR(10),
  session_id  INTEGER
);
CREATE INDEX gt_vb010ms_ix ON pk_v_slip_01.gt_vb010ms (stage_key, slip_no);

CREATE UNLOGGED TABLE pk_v_slip_01.gt_vb011ms (
  stage_key   BIGINT NOT NULL DEFAULT pk_v_slip_01.stage_key_take(),
  slip_no     VARCHAR(20),
  slip_seq_no INTEGER,
  acct_code   VARCHAR(20),
  ref_data    TEXT,
  d_amount    NUMERIC,
  c_amount    NUMERIC,
  conf_date   DATE,
  session_id  INTEGER
);
CREATE INDEX gt_vb011ms_ix ON pk_v_slip_01.gt_vb011ms (stage_key, slip_no);

CREATE UNLOGGED TABLE pk_v_slip_01.gt_vb011dt (
  stage_key      BIGINT NOT NULL DEFAULT pk_v_slip_01.stage_key_take(),
  slip_no        VARCHAR(20),
  mg_code        VARCHAR(20),
  mg_detail      TEXT,
  mg_detail_name TEXT,
  acct_code      VARCHAR(20),
  slip_seq_no    INTEGER,
  conf_date      DATE,
  d_amount       NUMERIC,
  c_amount       NUMERIC,
  lineup_no      INTEGER,
  session_id     INTEGER
);
CREATE INDEX gt_vb011dt_ix ON pk_v_slip_01.gt_vb011dt (stage_key, slip_no);

-- Removes the staging rows and registry entries of connections that are gone.
CREATE FUNCTION pk_v_slip_01.stage_purge() RETURNS VOID
LANGUAGE plpgsql VOLATILE AS
$$
DECLARE
  dead BIGINT[];
BEGIN
  SELECT array_agg(s.stage_key) INTO dead
    FROM pk_v_slip_01.stage_session s
   WHERE NOT EXISTS (SELECT 1 FROM pg_stat_activity a
                      WHERE a.pid = s.pid
                        AND (a.backend_start IS NULL OR s.backend_start IS NULL
                             OR a.backend_start = s.backend_start));
  IF dead IS NULL THEN
    RETURN;
  END IF;
  DELETE FROM pk_v_slip_01.gt_vb011dt WHERE stage_key = ANY (dead);
  DELETE FROM pk_v_slip_01.gt_vb011ms WHERE stage_key = ANY (dead);
  DELETE FROM pk_v_slip_01.gt_vb010ms WHERE stage_key = ANY (dead);
  DELETE FROM pk_v_slip_01.stage_session WHERE stage_key = ANY (dead);
END
$$;

CREATE VIEW vb010ms_gt AS
  SELECT slip_no, dept_code, slip_date, acc_date, total_d_amt, total_c_amt, cr_emp_no, session_id
    FROM pk_v_slip_01.gt_vb010ms
   WHERE stage_key = pk_v_slip_01.stage_key();

CREATE VIEW vb011ms_gt AS
  SELECT slip_no, slip_seq_no, acct_code, ref_data, d_amount, c_amount, conf_date, session_id
    FROM pk_v_slip_01.gt_vb011ms
   WHERE stage_key = pk_v_slip_01.stage_key();

CREATE VIEW vb011dt_gt AS
  SELECT slip_no, mg_code, mg_detail, mg_detail_name, acct_code, slip_seq_no, conf_date,
         d_amount, c_amount, lineup_no, session_id
    FROM pk_v_slip_01.gt_vb011dt
   WHERE stage_key = pk_v_slip_01.stage_key();
