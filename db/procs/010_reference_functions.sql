-- Code rules of the reference tables, shared by the database packages and
-- available to the client: account and item code padding, the account tree,
-- the department group, and the numbering of customers and operating
-- income/expense codes.

SET client_min_messages = warning;
CREATE SCHEMA IF NOT EXISTS pk_v_account;
CREATE SCHEMA IF NOT EXISTS pk_v_dept;
CREATE SCHEMA IF NOT EXISTS pk_v_numbering;

------------------------------------------------------------------------------
-- pk_v_account
------------------------------------------------------------------------------

-- Digits only, filled with zeros on the left to p_width; longer input keeps
-- its first p_width digits.  NULL or blank gives NULL.  Anything that is not
-- all digits raises p_err_code with p_err_text.
CREATE OR REPLACE FUNCTION pk_v_account.pad_code(p_code TEXT, p_width INTEGER,
                                                 p_err_code INTEGER, p_err_text TEXT)
RETURNS VARCHAR
LANGUAGE plpgsql IMMUTABLE AS
$$
DECLARE
  t TEXT := btrim(p_code);
BEGIN
  IF t IS NULL OR t = '' THEN
    RETURN NULL;
  END IF;
  IF t !~ '^[0-9]+$' THEN
    PERFORM pk_common.raise_app_error(p_err_code, p_err_text);
  END IF;
  -- lpad cuts longer input to its leftmost p_width characters
  RETURN lpad(t, p_width, '0');
END;
$$;

-- Account code to 7 digits: '111' -> '0000111'.
CREATE OR REPLACE FUNCTION pk_v_account.pad_acct_code(p_code TEXT)
RETURNS VARCHAR
LANGUAGE sql IMMUTABLE AS
$$
  SELECT pk_v_account.pad_code(p_code, 7, 20101, '계정코드는 숫자만 입력 가능합니다!')
$$;

-- Management item code to 3 digits: '7' -> '007'.
CREATE OR REPLACE FUNCTION pk_v_account.pad_mg_code(p_code TEXT)
RETURNS VARCHAR
LANGUAGE sql IMMUTABLE AS
$$
  SELECT pk_v_account.pad_code(p_code, 3, 20102, '관리항목 코드는 숫자만 입력 가능합니다!')
$$;

-- Upper account by the code rule: drop the trailing zeros, zero the last
-- remaining digit and fill back to 7 digits with zeros on the right.  When no
-- non-zero digit is left (1000000 .. 9000000, and the all-zero results of
-- codes such as 0000010) the upper account is '1000000', never '0000000'.
CREATE OR REPLACE FUNCTION pk_v_account.upper_code(p_acct_code TEXT)
RETURNS VARCHAR
LANGUAGE plpgsql IMMUTABLE AS
$$
DECLARE
  code VARCHAR := pk_v_account.pad_acct_code(p_acct_code);
  s    TEXT;
BEGIN
  IF code IS NULL THEN
    RETURN NULL;
  END IF;
  s := rtrim(code, '0');
  IF s = '' THEN
    RETURN '1000000';
  END IF;
  s := rpad(left(s, length(s) - 1), 7, '0');
  IF s = '0000000' THEN
    RETURN '1000000';
  END IF;
  RETURN s;
END;
$$;

-- Level of an account in the code tree: 1 for the classes X000000, one more
-- for every step of the upper-account rule above that.
CREATE OR REPLACE FUNCTION pk_v_account.acct_level(p_acct_code TEXT)
RETURNS INTEGER
LANGUAGE plpgsql IMMUTABLE AS
$$
DECLARE
  code VARCHAR := pk_v_account.pad_acct_code(p_acct_code);
  lvl  INTEGER := 1;
BEGIN
  IF code IS NULL THEN
    RETURN NULL;
  END IF;
  WHILE code !~ '^[0-9]0{6}$' LOOP
    code := pk_v_account.upper_code(code);
    lvl := lvl + 1;
  END LOOP;
  RETURN lvl;
END;
$$;

-- The first account up the code rule that exists in the chart, for codes
-- whose rule parent is not an account itself (a contra account 1110495 hangs
-- under 1110400 because 1110490 does not exist).  '1000000' when none does.
CREATE OR REPLACE FUNCTION pk_v_account.nearest_upper_code(p_acct_code TEXT)
RETURNS VARCHAR
LANGUAGE plpgsql STABLE AS
$$
DECLARE
  code VARCHAR := pk_v_account.pad_acct_code(p_acct_code);
  up   VARCHAR;
BEGIN
  IF code IS NULL THEN
    RETURN NULL;
  END IF;
  up := pk_v_account.upper_code(code);
  WHILE up <> '1000000' AND up <> code
        AND NOT EXISTS (SELECT 1 FROM va020ms WHERE acct_code = up) LOOP
    code := up;
    up := pk_v_account.upper_code(code);
  END LOOP;
  RETURN up;
END;
$$;

------------------------------------------------------------------------------
-- pk_v_dept
------------------------------------------------------------------------------

-- Group code of a department row: the fourth 4-character segment of its
-- R_CODE when that is not blank, otherwise the third.  Employees without
-- line-department authority write slips for the teams and parts of their
-- own group only.
CREATE OR REPLACE FUNCTION pk_v_dept.group_code(p_r_code TEXT)
RETURNS VARCHAR
LANGUAGE sql IMMUTABLE AS
$$
  SELECT CASE
           WHEN coalesce(btrim(substr(p_r_code, 13, 4)), '') = '' THEN substr(p_r_code, 9, 4)
           ELSE substr(p_r_code, 13, 4)
         END
$$;

------------------------------------------------------------------------------
-- pk_v_numbering
------------------------------------------------------------------------------

-- Hands out the next number of a counter.  The counter row is created on
-- first use and locked by the upsert until the caller's transaction ends, so
-- concurrent callers are served one after the other.  p_floor is the largest
-- number already in use in the numbered table; numbers written there by other
-- means are thus never handed out again.
CREATE OR REPLACE FUNCTION pk_v_numbering.take_number(p_kind TEXT, p_floor BIGINT,
                                                      p_limit BIGINT, p_err_code INTEGER,
                                                      p_err_text TEXT)
RETURNS BIGINT
LANGUAGE plpgsql AS
$$
DECLARE
  v_no BIGINT;
BEGIN
  INSERT INTO va090ms AS c (num_kind, last_no, u_date)
  VALUES (p_kind, coalesce(p_floor, 0) + 1, LOCALTIMESTAMP(0))
  ON CONFLICT (num_kind) DO UPDATE
     SET last_no = greatest(c.last_no, coalesce(p_floor, 0)) + 1,
         u_date  = LOCALTIMESTAMP(0)
  RETURNING last_no INTO v_no;
  IF v_no > p_limit THEN
    PERFORM pk_common.raise_app_error(p_err_code, p_err_text);
  END IF;
  RETURN v_no;
END;
$$;

-- Next number part of a customer code: 8 digits, one sequence over every
-- customer kind, starting after the largest number part in VA050MS.
CREATE OR REPLACE FUNCTION pk_v_numbering.next_customer_no()
RETURNS VARCHAR
LANGUAGE plpgsql AS
$$
DECLARE
  v_floor BIGINT;
BEGIN
  SELECT max(substr(c_code, 3, 8))::BIGINT INTO v_floor FROM va050ms;
  RETURN lpad(pk_v_numbering.take_number('VA050MS.C_CODE', v_floor, 99999999,
                20112, '더 이상 거래처코드를 만들 수 없습니다.')::TEXT, 8, '0');
END;
$$;

-- A complete new customer code: the kind (a code of group 'V0002') followed
-- by the next number.
CREATE OR REPLACE FUNCTION pk_v_numbering.new_customer_code(p_kind TEXT)
RETURNS VARCHAR
LANGUAGE plpgsql AS
$$
DECLARE
  v_kind TEXT := btrim(p_kind);
BEGIN
  IF v_kind IS NULL OR v_kind = '' THEN
    PERFORM pk_common.raise_app_error(20110, '거래처구분은 반드시 입력하여야 합니다!');
  END IF;
  IF length(v_kind) <> 2 OR NOT EXISTS (SELECT 1 FROM zx010ms
                                         WHERE head = 'V0002' AND detail = v_kind) THEN
    PERFORM pk_common.raise_app_error(20111, '등록되지 않은 거래처구분입니다. [' || v_kind || ']');
  END IF;
  RETURN v_kind || pk_v_numbering.next_customer_no();
END;
$$;

-- Next operating income/expense code: 6 digits after the largest code of
-- VX010MS.
CREATE OR REPLACE FUNCTION pk_v_numbering.next_bu_acct_code()
RETURNS VARCHAR
LANGUAGE plpgsql AS
$$
DECLARE
  v_floor BIGINT;
BEGIN
  SELECT max(bu_acct_code::BIGINT) INTO v_floor
    FROM vx010ms
   WHERE bu_acct_code ~ '^[0-9]{1,6}$';
  RETURN lpad(pk_v_numbering.take_number('VX010MS.BU_ACCT_CODE', v_floor, 999999,
                20121, '더 이상 영업수지 계정코드를 만들 수 없습니다.')::TEXT, 6, '0');
END;
$$;

-- Next classification code under p_parent (empty or NULL for level 1): the
-- parent's code followed by the next 2-digit own part within that parent.
CREATE OR REPLACE FUNCTION pk_v_numbering.next_gubun_code(p_parent TEXT)
RETURNS VARCHAR
LANGUAGE plpgsql AS
$$
DECLARE
  v_parent TEXT := coalesce(btrim(p_parent), '');
  v_len    INTEGER;
  v_floor  BIGINT;
BEGIN
  IF v_parent !~ '^([0-9]{2}){0,5}$' THEN
    PERFORM pk_common.raise_app_error(20122, '상위 분류코드가 바르지 않습니다. [' || v_parent || ']');
  END IF;
  IF v_parent <> '' AND NOT EXISTS (SELECT 1 FROM vx011ms WHERE gubun_code = v_parent) THEN
    PERFORM pk_common.raise_app_error(20123, '상위 분류코드가 등록되어 있지 않습니다. [' || v_parent || ']');
  END IF;
  v_len := length(v_parent) + 2;
  SELECT max(substr(gubun_code, v_len - 1, 2)::BIGINT) INTO v_floor
    FROM vx011ms
   WHERE gubun_code LIKE v_parent || '%'
     AND length(gubun_code) = v_len
     AND substr(gubun_code, v_len - 1, 2) ~ '^[0-9]{2}$';
  RETURN v_parent || lpad(pk_v_numbering.take_number('VX011MS.' || v_parent, v_floor, 99,
                            20124, '더 이상 하위 분류코드를 만들 수 없습니다.')::TEXT, 2, '0');
END;
$$;
