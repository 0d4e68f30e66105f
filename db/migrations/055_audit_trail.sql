-- The history of changes: every insert, update and delete of the slips, the
-- reference data, the authorities, the fiscal periods and the closing flags,
-- written by the database itself so that no screen, procedure or direct
-- statement escapes it. Each row says when (server time), who and where (the
-- employee, workstation and program the client announces once per
-- connection, and the database login in any case), what (table, key and
-- operation) and the row before and after. Confirmations, cancellations,
-- closings and reopenings are named as such. Nobody may change or remove a
-- history row: the client's login only reads them, and a guard refuses
-- updates, deletes and truncation for every role.
SET client_min_messages = warning;
CREATE SCHEMA IF NOT EXISTS audit;

CREATE TABLE audit.history (
  history_id  BIGSERIAL    PRIMARY KEY,
  changed_at  TIMESTAMP(3) NOT NULL DEFAULT clock_timestamp()::TIMESTAMP(3),
  tx_id       BIGINT       NOT NULL DEFAULT txid_current(),
  emp_no      VARCHAR(10),
  ws_ip       VARCHAR(40),
  program_id  VARCHAR(20),
  db_user     TEXT         NOT NULL DEFAULT session_user,
  table_name  VARCHAR(30)  NOT NULL,
  operation   VARCHAR(10)  NOT NULL,
  row_key     TEXT         NOT NULL,
  slip_no     VARCHAR(8),
  before_row  JSONB,
  after_row   JSONB,
  CONSTRAINT history_operation_ck CHECK (operation IN ('INSERT', 'UPDATE', 'DELETE', 'CONFIRM', 'CANCEL',
                                                       'CLOSE', 'REOPEN'))
);
CREATE INDEX history_changed_ix ON audit.history (changed_at);
CREATE INDEX history_slip_ix ON audit.history (slip_no, history_id) WHERE slip_no IS NOT NULL;
CREATE INDEX history_key_ix ON audit.history (table_name, row_key, history_id);
CREATE INDEX history_emp_ix ON audit.history (emp_no, changed_at);

-- The trigger every audited table carries; its arguments are the table's key
-- columns. Runs as the schema's owner, so the client's login needs no right
-- on the history to leave its trace there.
CREATE FUNCTION audit.record_change() RETURNS TRIGGER
LANGUAGE plpgsql SECURITY DEFINER SET search_path = public, pg_temp AS
$$
DECLARE
  v_old JSONB;
  v_new JSONB;
  v_row JSONB;
  v_key TEXT;
  v_op  TEXT := TG_OP;
BEGIN
  IF TG_OP <> 'INSERT' THEN
    v_old := to_jsonb(OLD);
  END IF;
  IF TG_OP <> 'DELETE' THEN
    v_new := to_jsonb(NEW);
  END IF;
  IF TG_OP = 'UPDATE' AND v_old = v_new THEN
    RETURN NULL;
  END IF;
  v_row := coalesce(v_new, v_old);
  SELECT string_agg(coalesce(v_row ->> k, ''), '/' ORDER BY n) INTO v_key
    FROM unnest(TG_ARGV) WITH ORDINALITY AS a(k, n);
  IF TG_OP = 'UPDATE' THEN
    IF v_row ? 'conf_date' AND TG_TABLE_NAME IN ('vb010ms', 'vb011ms', 'vb011dt')
       AND (v_old ->> 'conf_date') IS DISTINCT FROM (v_new ->> 'conf_date') THEN
      v_op := CASE WHEN v_new ->> 'conf_date' IS NULL THEN 'CANCEL' ELSE 'CONFIRM' END;
    ELSIF v_row ? 'close_yn' AND (v_old ->> 'close_yn') IS DISTINCT FROM (v_new ->> 'close_yn') THEN
      v_op := CASE WHEN v_new ->> 'close_yn' = 'Y' THEN 'CLOSE' ELSE 'REOPEN' END;
    END IF;
  END IF;
  INSERT INTO audit.history (emp_no, ws_ip, program_id, table_name, operation, row_key, slip_no,
                             before_row, after_row)
  VALUES (left(nullif(current_setting('tv.emp_no', true), ''), 10),
          left(nullif(current_setting('tv.ws_ip', true), ''), 40),
          left(nullif(current_setting('tv.program', true), ''), 20),
          TG_TABLE_NAME, v_op, coalesce(v_key, ''), left(v_row ->> 'slip_no', 8), v_old, v_new);
  RETURN NULL;
END
$$;

CREATE FUNCTION audit.refuse_change() RETURNS TRIGGER
LANGUAGE plpgsql AS
$$
BEGIN
  RAISE EXCEPTION '변경 이력은 수정하거나 삭제할 수 없습니다.!' USING ERRCODE = 'insufficient_privilege';
END
$$;

CREATE TRIGGER history_append_only BEFORE UPDATE OR DELETE ON audit.history
  FOR EACH ROW EXECUTE FUNCTION audit.refuse_change();
CREATE TRIGGER history_no_truncate BEFORE TRUNCATE ON audit.history
  FOR EACH STATEMENT EXECUTE FUNCTION audit.refuse_change();

-- Puts the trigger on a table, keyed by its primary key.
CREATE FUNCTION audit.watch(p_table REGCLASS) RETURNS VOID
LANGUAGE plpgsql AS
$$
DECLARE
  v_keys TEXT;
BEGIN
  SELECT string_agg(quote_literal(a.attname), ', ' ORDER BY k.n) INTO v_keys
    FROM pg_index i
    CROSS JOIN LATERAL unnest(i.indkey::INT2[]) WITH ORDINALITY AS k(attnum, n)
    JOIN pg_attribute a ON a.attrelid = i.indrelid AND a.attnum = k.attnum
   WHERE i.indrelid = p_table AND i.indisprimary;
  IF v_keys IS NULL THEN
    RAISE EXCEPTION 'table % has no primary key to record its history by', p_table;
  END IF;
  EXECUTE format('CREATE TRIGGER %I AFTER INSERT OR UPDATE OR DELETE ON %s FOR EACH ROW '
                 'EXECUTE FUNCTION audit.record_change(%s)',
                 'zz_history', p_table, v_keys);
END
$$;

SELECT audit.watch(t::REGCLASS)
  FROM unnest(ARRAY[
    -- slips
    'vb010ms', 'vb011ms', 'vb011dt',
    -- accounts, management items and account rules
    'va020ms', 'va030ms', 'va040ms',
    -- customers and their bank accounts
    'va050ms', 'va051ms',
    -- departments
    'qa160ms', 'qa160ms_date', 'va150ms', 'va160ms',
    -- approval authority and program authority
    'va010ms', 'za130ms', 'za140ms', 'za150ms',
    -- fiscal periods and closing flags
    'vi010ms', 'vi011ms', 'vi011dt']) AS t;
