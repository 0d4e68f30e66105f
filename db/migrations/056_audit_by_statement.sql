-- The history is written once per statement instead of once per row: a
-- confirmation changes a slip's header, every line and every item value, and
-- one set-based insert of their images costs a fraction of a trigger call
-- per row. What is recorded stays the same: one history row per changed row,
-- with the same operation names, key and images. An update is paired by the
-- row's key; an update that changes the key itself is recorded as the old
-- row (before image only) and the new row (after image only).
SET client_min_messages = warning;

-- A row's key as the history shows it: its key columns' values joined by '/'.
CREATE FUNCTION audit.row_key(p_row JSONB, p_columns TEXT[]) RETURNS TEXT
LANGUAGE sql IMMUTABLE AS
$$
  SELECT string_agg(coalesce(p_row ->> a.c, ''), '/' ORDER BY a.n) FROM unnest(p_columns) WITH ORDINALITY AS a(c, n)
$$;

CREATE FUNCTION audit.record_rows() RETURNS TRIGGER
LANGUAGE plpgsql SECURITY DEFINER SET search_path = public, pg_temp AS
$$
DECLARE
  v_emp  TEXT := left(nullif(current_setting('tv.emp_no', true), ''), 10);
  v_ip   TEXT := left(nullif(current_setting('tv.ws_ip', true), ''), 40);
  v_prog TEXT := left(nullif(current_setting('tv.program', true), ''), 20);
BEGIN
  IF TG_OP = 'INSERT' THEN
    INSERT INTO audit.history (emp_no, ws_ip, program_id, table_name, operation, row_key, slip_no,
                               before_row, after_row)
    SELECT v_emp, v_ip, v_prog, TG_TABLE_NAME, 'INSERT', x.k, left(x.j ->> 'slip_no', 8), NULL, x.j
      FROM (SELECT j, audit.row_key(j, TG_ARGV) AS k
              FROM (SELECT to_jsonb(r) AS j FROM new_rows r) r) x
     ORDER BY x.k;
  ELSIF TG_OP = 'DELETE' THEN
    INSERT INTO audit.history (emp_no, ws_ip, program_id, table_name, operation, row_key, slip_no,
                               before_row, after_row)
    SELECT v_emp, v_ip, v_prog, TG_TABLE_NAME, 'DELETE', x.k, left(x.j ->> 'slip_no', 8), x.j, NULL
      FROM (SELECT j, audit.row_key(j, TG_ARGV) AS k
              FROM (SELECT to_jsonb(r) AS j FROM old_rows r) r) x
     ORDER BY x.k;
  ELSE
    INSERT INTO audit.history (emp_no, ws_ip, program_id, table_name, operation, row_key, slip_no,
                               before_row, after_row)
    SELECT v_emp, v_ip, v_prog, TG_TABLE_NAME,
           CASE
             WHEN o.j IS NULL OR n.j IS NULL THEN 'UPDATE'
             WHEN TG_TABLE_NAME IN ('vb010ms', 'vb011ms', 'vb011dt')
                  AND (o.j ->> 'conf_date') IS DISTINCT FROM (n.j ->> 'conf_date')
               THEN CASE WHEN n.j ->> 'conf_date' IS NULL THEN 'CANCEL' ELSE 'CONFIRM' END
             WHEN n.j ? 'close_yn' AND (o.j ->> 'close_yn') IS DISTINCT FROM (n.j ->> 'close_yn')
               THEN CASE WHEN n.j ->> 'close_yn' = 'Y' THEN 'CLOSE' ELSE 'REOPEN' END
             ELSE 'UPDATE'
           END,
           coalesce(n.k, o.k), left(coalesce(n.j, o.j) ->> 'slip_no', 8), o.j, n.j
      FROM (SELECT j, audit.row_key(j, TG_ARGV) AS k
              FROM (SELECT to_jsonb(r) AS j FROM old_rows r) r) o
      FULL JOIN (SELECT j, audit.row_key(j, TG_ARGV) AS k
                   FROM (SELECT to_jsonb(r) AS j FROM new_rows r) r) n ON n.k = o.k
     WHERE o.j IS DISTINCT FROM n.j
     ORDER BY coalesce(n.k, o.k), o.j IS NULL;
  END IF;
  RETURN NULL;
END
$$;

-- Puts the three statement triggers on a table, keyed by its primary key,
-- in place of the row trigger.
CREATE OR REPLACE FUNCTION audit.watch(p_table REGCLASS) RETURNS VOID
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
  EXECUTE format('DROP TRIGGER IF EXISTS zz_history ON %s', p_table);
  EXECUTE format('CREATE TRIGGER zz_history_ins AFTER INSERT ON %s REFERENCING NEW TABLE AS new_rows '
                 'FOR EACH STATEMENT EXECUTE FUNCTION audit.record_rows(%s)', p_table, v_keys);
  EXECUTE format('CREATE TRIGGER zz_history_upd AFTER UPDATE ON %s REFERENCING OLD TABLE AS old_rows '
                 'NEW TABLE AS new_rows FOR EACH STATEMENT EXECUTE FUNCTION audit.record_rows(%s)', p_table, v_keys);
  EXECUTE format('CREATE TRIGGER zz_history_del AFTER DELETE ON %s REFERENCING OLD TABLE AS old_rows '
                 'FOR EACH STATEMENT EXECUTE FUNCTION audit.record_rows(%s)', p_table, v_keys);
END
$$;

-- Switches a table's history off and on again, for bulk loads that are
-- nobody's changes (generated books in benchmarks).
CREATE FUNCTION audit.pause(p_table REGCLASS, p_paused BOOLEAN) RETURNS VOID
LANGUAGE plpgsql AS
$$
DECLARE
  v_trigger TEXT;
BEGIN
  FOREACH v_trigger IN ARRAY ARRAY['zz_history_ins', 'zz_history_upd', 'zz_history_del'] LOOP
    EXECUTE format('ALTER TABLE %s %s TRIGGER %I', p_table, CASE WHEN p_paused THEN 'DISABLE' ELSE 'ENABLE' END,
                   v_trigger);
  END LOOP;
END
$$;

SELECT audit.watch(t.tgrelid::REGCLASS)
  FROM (SELECT DISTINCT tgrelid FROM pg_trigger WHERE tgname = 'zz_history') t;
DROP FUNCTION audit.record_change();
