-- Package pk_common: helpers every database package uses.
SET client_min_messages = warning;
CREATE SCHEMA IF NOT EXISTS pk_common;

-- Raises a business error.  The client maps SQLSTATE 'UEnnn' to the user
-- error 20000 + nnn and shows p_text, so only codes 20000..20999 exist; any
-- other code is a programming fault and is reported as such.
CREATE OR REPLACE FUNCTION pk_common.raise_app_error(p_code INTEGER, p_text TEXT)
RETURNS VOID
LANGUAGE plpgsql AS
$$
BEGIN
  IF p_code IS NULL OR p_code < 20000 OR p_code > 20999 THEN
    RAISE EXCEPTION USING
      ERRCODE = 'invalid_parameter_value',
      MESSAGE = format('application error code %s is outside 20000..20999: %s',
                       coalesce(p_code::TEXT, 'NULL'), p_text);
  END IF;
  RAISE EXCEPTION USING
    ERRCODE = 'UE' || lpad((p_code - 20000)::TEXT, 3, '0'),
    MESSAGE = coalesce(p_text, '');
END;
$$;
