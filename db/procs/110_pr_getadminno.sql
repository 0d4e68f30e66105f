-- Management numbers. PR_GETADMINNO(gubun, key) draws the next number of a
-- counter in one atomic step (two users never get the same number; a rolled
-- back save gives its number back) and answers
--   'VE', fiscal term  -> 'OK' + term (2 digits) + serial (6 digits): characters
--                         3 to 10 are the invoice's serial number;
--   'VZ', year         -> 'OK' + book (권, 4 digits) + sheet (호, 2 digits):
--                         fifty sheets to a book, books counted per year;
-- or 'ERR' followed by the reason, for the user.
SET client_min_messages = warning;

CREATE OR REPLACE FUNCTION pr_getadminno(i_gubun TEXT, i_date TEXT) RETURNS TEXT
LANGUAGE plpgsql VOLATILE SECURITY DEFINER SET search_path = public, pg_temp AS
$$
DECLARE
  v_gubun TEXT := upper(btrim(coalesce(i_gubun, '')));
  v_key   TEXT := btrim(coalesce(i_date, ''));
  v_no    INTEGER;
BEGIN
  IF v_gubun = 'VE' THEN
    IF v_key !~ '^[0-9]{1,2}$' THEN
      RETURN 'ERR 관리번호를 만들 기수가 올바르지 않습니다.(' || v_key || ')';
    END IF;
    IF NOT EXISTS (SELECT 1 FROM vi010ms WHERE session_id = v_key::INTEGER) THEN
      RETURN 'ERR 등록되지 않은 기수입니다.(' || v_key || ')';
    END IF;
    v_key := lpad(v_key::INTEGER::TEXT, 2, '0');
  ELSIF v_gubun = 'VZ' THEN
    IF v_key !~ '^[0-9]{4}$' THEN
      RETURN 'ERR 책번호를 만들 연도가 올바르지 않습니다.(' || v_key || ')';
    END IF;
  ELSE
    RETURN 'ERR 알 수 없는 관리번호 구분입니다.(' || v_gubun || ')';
  END IF;

  INSERT INTO ve090ms AS c (gubun, no_key, last_no) VALUES (v_gubun, v_key, 1)
  ON CONFLICT (gubun, no_key) DO UPDATE SET last_no = c.last_no + 1, u_date = LOCALTIMESTAMP(0)
  RETURNING last_no INTO v_no;

  IF v_gubun = 'VE' THEN
    IF v_no > 999999 THEN
      RETURN 'ERR 이 기수의 세금계산서 일련번호를 모두 사용했습니다.';
    END IF;
    RETURN 'OK' || v_key || lpad(v_no::TEXT, 6, '0');
  END IF;
  IF (v_no - 1) / 50 + 1 > 9999 THEN
    RETURN 'ERR 이 연도의 책번호를 모두 사용했습니다.';
  END IF;
  RETURN 'OK' || lpad(((v_no - 1) / 50 + 1)::TEXT, 4, '0') || lpad(((v_no - 1) % 50 + 1)::TEXT, 2, '0');
END
$$;
