-- Functions that act beyond the statement that calls them: session-level
-- advisory locks outlive a transaction, and set_config could take back the
-- client's own role from inside a stored lookup statement. Only the client's
-- login keeps them (and the owner set_config, which dumps and restores
-- need). Catalog functions belong to the superuser, so this part
-- runs as the superuser, once per database, with  -v app_user=… .
SET client_min_messages = warning;

CREATE TEMP TABLE grant_target (name TEXT, value TEXT);
INSERT INTO grant_target VALUES ('app_user', :'app_user');

DO $$
DECLARE
  app_user TEXT := (SELECT value FROM grant_target WHERE name = 'app_user');
  f        TEXT;
BEGIN
  FOREACH f IN ARRAY ARRAY[
      'pg_catalog.pg_advisory_lock(bigint)', 'pg_catalog.pg_advisory_lock(integer, integer)',
      'pg_catalog.pg_advisory_lock_shared(bigint)', 'pg_catalog.pg_advisory_lock_shared(integer, integer)',
      'pg_catalog.pg_try_advisory_lock(bigint)', 'pg_catalog.pg_try_advisory_lock(integer, integer)',
      'pg_catalog.pg_try_advisory_lock_shared(bigint)', 'pg_catalog.pg_try_advisory_lock_shared(integer, integer)',
      'pg_catalog.set_config(text, text, boolean)'] LOOP
    EXECUTE format('REVOKE EXECUTE ON FUNCTION %s FROM PUBLIC', f);
    EXECUTE format('GRANT EXECUTE ON FUNCTION %s TO %I', f, app_user);
  END LOOP;
  -- The schema's owner too: the dump and its restore set their own settings.
  EXECUTE format('GRANT EXECUTE ON FUNCTION pg_catalog.set_config(text, text, boolean) TO %I',
                 (SELECT pg_get_userbyid(datdba) FROM pg_database WHERE datname = current_database()));
END
$$;

DROP TABLE grant_target;
