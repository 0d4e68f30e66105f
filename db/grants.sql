-- The rights of the client's login role and of the lookup role, laid anew
-- after every migration run (so a table added later gets them too).
-- Run as the owner with  -v app_user=…  -v lookup_role=… .
--
-- The client: data rights on the tables it keeps, EXECUTE on the functions,
-- nothing on the schema itself (it cannot create, alter or drop anything and
-- cannot switch a trigger off). Slips and everything posted from them are
-- written only by the database's own functions (SECURITY DEFINER), so the
-- client reads them and no more. The lookup role reads the reference tables
-- that stored value lists may name, and nothing else.
SET client_min_messages = warning;

CREATE TEMP TABLE grant_target (name TEXT, value TEXT);
INSERT INTO grant_target VALUES ('app_user', :'app_user'), ('lookup_role', :'lookup_role');

DO $$
DECLARE
  app_user    TEXT := (SELECT value FROM grant_target WHERE name = 'app_user');
  lookup_role TEXT := (SELECT value FROM grant_target WHERE name = 'lookup_role');
  -- Written only by the database's functions: slips, everything posted
  -- from them, the fiscal periods and their closing flags.
  engine_only CONSTANT TEXT[] := ARRAY[
    'public.vb010ms', 'public.vb011ms', 'public.vb011dt',
    'public.vb071ms', 'public.vb061ms', 'public.vb080ms', 'public.vb085ms', 'public.vb040ms',
    'bkuser.vb010ms', 'bkuser.vb011ms', 'bkuser.vb011dt', 'bkuser.vb071ms',
    'public.vb070ms', 'public.vb072ms', 'public.vb062ms', 'public.vc030pr', 'public.vd010pr',
    'public.vi010ms', 'public.vi011ms', 'public.vi011dt', 'public.vi012ms'];
  -- Rows the database creates and removes; the client may correct them.
  update_only CONSTANT TEXT[] := ARRAY['public.vz100ms'];
  -- Tables a stored value list may read: reference data, never slips,
  -- authority or menus. A value list over a new kind of register (notes,
  -- funds, assets) needs its table named here; missing ones are skipped.
  lookup_tables CONSTANT TEXT[] := ARRAY[
    'zx010ms', 'zx030ms', 'qa010ms', 'qa150ms', 'qa160ms', 'qa160ms_date',
    'va020ms', 'va030ms', 'va040ms', 'va050ms', 'va051ms', 'va060ms', 'va060dt',
    'va090ms', 'va150ms', 'va160ms', 'va024ms', 'va025ms', 'vg005ms', 'vx010ms', 'vx011ms',
    'vf010ms', 'vf060ms', 'vm010ms'];
  s  TEXT;
  t  TEXT;
BEGIN
  EXECUTE format('REVOKE ALL ON SCHEMA public FROM PUBLIC');
  FOR s IN SELECT nspname FROM pg_namespace
            WHERE nspname IN ('public', 'bkuser') OR nspname LIKE 'pk\_%' OR nspname LIKE 'fn\_%' LOOP
    EXECUTE format('REVOKE ALL ON ALL TABLES IN SCHEMA %I FROM %I', s, app_user);
    EXECUTE format('REVOKE ALL ON ALL TABLES IN SCHEMA %I FROM %I', s, lookup_role);
    EXECUTE format('REVOKE CREATE ON SCHEMA %I FROM %I', s, app_user);
    EXECUTE format('GRANT USAGE ON SCHEMA %I TO %I', s, app_user);
    EXECUTE format('GRANT SELECT, INSERT, UPDATE, DELETE ON ALL TABLES IN SCHEMA %I TO %I', s, app_user);
    EXECUTE format('GRANT USAGE, SELECT ON ALL SEQUENCES IN SCHEMA %I TO %I', s, app_user);
    EXECUTE format('REVOKE EXECUTE ON ALL FUNCTIONS IN SCHEMA %I FROM PUBLIC', s);
    EXECUTE format('GRANT EXECUTE ON ALL FUNCTIONS IN SCHEMA %I TO %I', s, app_user);
  END LOOP;
  EXECUTE format('REVOKE ALL ON TABLE public.schema_version FROM %I', app_user);
  FOREACH t IN ARRAY engine_only LOOP
    IF to_regclass(t) IS NOT NULL THEN
      EXECUTE format('REVOKE INSERT, UPDATE, DELETE, TRUNCATE ON %s FROM %I', t, app_user);
    END IF;
  END LOOP;
  FOREACH t IN ARRAY update_only LOOP
    IF to_regclass(t) IS NOT NULL THEN
      EXECUTE format('REVOKE INSERT, DELETE, TRUNCATE ON %s FROM %I', t, app_user);
    END IF;
  END LOOP;

  -- The history of changes: read, never written, by the client; the
  -- database writes it. Its functions are nobody's to call.
  IF to_regclass('audit.history') IS NOT NULL THEN
    EXECUTE format('REVOKE ALL ON ALL TABLES IN SCHEMA audit FROM %I', app_user);
    EXECUTE 'REVOKE EXECUTE ON ALL FUNCTIONS IN SCHEMA audit FROM PUBLIC';
    EXECUTE format('GRANT USAGE ON SCHEMA audit TO %I', app_user);
    EXECUTE format('GRANT SELECT ON audit.history TO %I', app_user);
  END IF;

  -- The lookup role: schema usage, SELECT on the reference tables, and the
  -- one function that opens a stored statement.
  EXECUTE format('GRANT USAGE ON SCHEMA public, pk_lookup TO %I', lookup_role);
  FOREACH t IN ARRAY lookup_tables LOOP
    IF to_regclass('public.' || t) IS NOT NULL THEN
      EXECUTE format('GRANT SELECT ON public.%I TO %I', t, lookup_role);
    END IF;
  END LOOP;
  EXECUTE format('GRANT EXECUTE ON FUNCTION pk_lookup.open_stored(TEXT, TEXT, TEXT, TEXT, TEXT, TEXT, TEXT, TEXT, TEXT, TEXT, TEXT) TO %I', lookup_role);

  -- Ledgers: the result tables of the ledger procedures are written by those
  -- procedures only; the client reads its workstation's rows.
  FOREACH t IN ARRAY ARRAY['public.vc070pr', 'public.vc080pr', 'public.vc085pr'] LOOP
    IF to_regclass(t) IS NOT NULL THEN
      EXECUTE format('REVOKE INSERT, UPDATE, DELETE, TRUNCATE ON %s FROM %I', t, app_user);
    END IF;
  END LOOP;

END
$$;

-- Daily books: the receipts the reservation system writes (AB010MS) are read
-- only; the classifications kept across a cancelled confirmation (VZ101MS)
-- are written only by the database's triggers.
DO $$
DECLARE
  app_user TEXT := (SELECT value FROM grant_target WHERE name = 'app_user');
BEGIN
  EXECUTE format('REVOKE INSERT, UPDATE, DELETE, TRUNCATE ON public.ab010ms FROM %I', app_user);
  EXECUTE format('REVOKE INSERT, UPDATE, DELETE, TRUNCATE ON public.vz101ms FROM %I', app_user);
END
$$;

-- Generated slips: the register of what a pay run or a sales day produced
-- is written by the generators only; the deposit register takes the
-- client's rows and releases them, and only the generator marks them used.
DO $$
DECLARE
  app_user TEXT := (SELECT value FROM grant_target WHERE name = 'app_user');
BEGIN
  IF to_regclass('public.vb095ms') IS NOT NULL THEN
    EXECUTE format('REVOKE INSERT, UPDATE, DELETE, TRUNCATE ON public.vb095ms FROM %I', app_user);
  END IF;
  IF to_regclass('public.vb010ms_temp') IS NOT NULL THEN
    EXECUTE format('REVOKE UPDATE, TRUNCATE ON public.vb010ms_temp FROM %I', app_user);
  END IF;
END
$$;

-- Financial statements: the income statement, balance sheet and cost
-- statement results are written only by their report functions; the
-- client reads them.
DO $$
DECLARE
  app_user TEXT := (SELECT value FROM grant_target WHERE name = 'app_user');
  t        TEXT;
BEGIN
  FOREACH t IN ARRAY ARRAY['public.vd020_rpt', 'public.vd031_rpt', 'public.vh010pr'] LOOP
    IF to_regclass(t) IS NOT NULL THEN
      EXECUTE format('REVOKE INSERT, UPDATE, DELETE, TRUNCATE ON %s FROM %I', t, app_user);
    END IF;
  END LOOP;
END
$$;

-- Tax invoices: the management-number counters move only through
-- PR_GETADMINNO; the business places are installation data the client reads.
DO $$
DECLARE
  app_user TEXT := (SELECT value FROM grant_target WHERE name = 'app_user');
  t        TEXT;
BEGIN
  FOREACH t IN ARRAY ARRAY['public.ve090ms', 'public.ve030ms'] LOOP
    IF to_regclass(t) IS NOT NULL THEN
      EXECUTE format('REVOKE INSERT, UPDATE, DELETE, TRUNCATE ON %s FROM %I', t, app_user);
    END IF;
  END LOOP;
END
$$;

-- Fixed assets: the depreciation state of an asset (accumulated
-- depreciation, book and residual values, last depreciation, end of
-- depreciation) changes only through the depreciation runs and the
-- triggers of the register; the runs, their per-asset rows and the transfer
-- documents are written by their procedures; transfer rows are recorded by
-- the client and applied or undone by the transfer procedures only.
DO $$
DECLARE
  app_user TEXT := (SELECT value FROM grant_target WHERE name = 'app_user');
BEGIN
  IF to_regclass('public.vm010ms') IS NOT NULL THEN
    EXECUTE format('REVOKE UPDATE ON public.vm010ms FROM %I', app_user);
    EXECUTE format('GRANT UPDATE (vsfx_code, vsfx_seq, vsfx_dtm, vsfx_mtm, vsfx_stm, pos_clf, acq_dt, acq_clf, '
                   'acct_sbj_cd, buy_co, aset_nm, rmks, qty, prc, vsfx_size, indl_cost, uc_aset_clf, usg_cd, dept_cd, '
                   'sal_waste_yn, reval_date, reval_count, cont_yys, rdm_kind, rdm_rate, rdm_yn, mid_aset_yn, '
                   'og_dept_cd, acq_amt, ctrm_incr_amt, ctrm_dcs_amt, old_vsfx, u_date, u_ip, u_emp_no) '
                   'ON public.vm010ms TO %I', app_user);
    EXECUTE format('REVOKE INSERT, UPDATE, DELETE, TRUNCATE ON public.vm060ms, public.vm060dt FROM %I', app_user);
    EXECUTE format('REVOKE INSERT, UPDATE, TRUNCATE ON public.vm020ms FROM %I', app_user);
    EXECUTE format('REVOKE UPDATE, DELETE, TRUNCATE ON public.vm050ms FROM %I', app_user);
  END IF;
END
$$;

-- Notes: a form is issued and given back by the confirmation of its slip
-- only; the engine calls the function that does it, the client may not.
DO $$
DECLARE
  app_user TEXT := (SELECT value FROM grant_target WHERE name = 'app_user');
BEGIN
  IF to_regprocedure('pk_v_note.post_forms(text, text)') IS NOT NULL THEN
    EXECUTE format('REVOKE EXECUTE ON FUNCTION pk_v_note.post_forms(TEXT, TEXT) FROM %I', app_user);
  END IF;
END
$$;

-- The business-place item lists the places: the lookup role reads them.
DO $$
DECLARE
  lookup_role TEXT := (SELECT value FROM grant_target WHERE name = 'lookup_role');
BEGIN
  IF to_regclass('public.ve030ms') IS NOT NULL THEN
    EXECUTE format('GRANT SELECT ON public.ve030ms TO %I', lookup_role);
  END IF;
END
$$;

DROP TABLE grant_target;
