-- Stored value lists: statements that users keep as data (a management
-- item's CON_CODE) and that slip entry runs as lookups.
--
-- The text reaches the server as a bound value and is opened here as a
-- cursor, so the server itself guarantees that it is exactly one statement
-- and one that returns rows: a second statement, a COMMIT or any other
-- command is refused before anything runs. The caller has already made the
-- transaction read-only, switched to the lookup role (SELECT on reference
-- tables only) and set a statement timeout; the rows are then fetched from
-- the cursor returned.
--
-- Placeholders of the statement are $1 … $10 and take p1 … p10 in order,
-- all as text (the statements compare them with text columns).
SET client_min_messages = warning;
CREATE SCHEMA IF NOT EXISTS pk_lookup;

DROP FUNCTION IF EXISTS pk_lookup.open_stored(TEXT, TEXT[]);
CREATE OR REPLACE FUNCTION pk_lookup.open_stored(
  p_sql TEXT, p1 TEXT DEFAULT NULL, p2 TEXT DEFAULT NULL, p3 TEXT DEFAULT NULL, p4 TEXT DEFAULT NULL,
  p5 TEXT DEFAULT NULL, p6 TEXT DEFAULT NULL, p7 TEXT DEFAULT NULL, p8 TEXT DEFAULT NULL,
  p9 TEXT DEFAULT NULL, p10 TEXT DEFAULT NULL)
RETURNS REFCURSOR
LANGUAGE plpgsql VOLATILE AS
$$
DECLARE
  c REFCURSOR := 'tv_stored_lookup';
BEGIN
  OPEN c NO SCROLL FOR EXECUTE p_sql USING p1, p2, p3, p4, p5, p6, p7, p8, p9, p10;
  RETURN c;
END
$$;
