-- fn_v_numtohan: an amount of won written out in Korean words, as printed
-- slips and cheques carry it beside the figures.
--
--   p_mode '1': Hangul numerals only            12345678 -> 일천이백삼십사만오천육백칠십팔
--   p_mode '2': the same followed by "원정"      12345678 -> 일천이백삼십사만오천육백칠십팔원정
--
-- Every digit is written with its numeral, "일" included (일십, 일백, 일천,
-- 일만): an amount in words must not be lengthened by adding a numeral in
-- front of a bare unit.  A group of four digits that is all zero writes
-- neither numerals nor its unit (일억 for 100000000, not 일억영만).  Zero is
-- "영"; a negative amount starts with "마이너스 ".  Amounts are whole won:
-- fractions are rounded.  NULL gives NULL, so an empty sum prints nothing.
SET client_min_messages = warning;

CREATE OR REPLACE FUNCTION fn_v_numtohan(p_mode TEXT, p_amount NUMERIC)
RETURNS TEXT
LANGUAGE plpgsql IMMUTABLE AS
$$
DECLARE
  digit_names CONSTANT TEXT[] := ARRAY['일', '이', '삼', '사', '오', '육', '칠', '팔', '구'];
  small_units CONSTANT TEXT[] := ARRAY['', '십', '백', '천'];
  -- One unit per group of four digits: won, 만 (10^4), 억 (10^8), 조 (10^12),
  -- 경 (10^16).
  group_units CONSTANT TEXT[] := ARRAY['', '만', '억', '조', '경'];
  digits   TEXT;
  len      INTEGER;
  pos      INTEGER;
  d        INTEGER;
  place    INTEGER;
  grp      INTEGER;
  grp_used BOOLEAN := false;
  words    TEXT := '';
  negative BOOLEAN;
BEGIN
  IF p_mode IS NULL OR p_mode NOT IN ('1', '2') THEN
    PERFORM pk_common.raise_app_error(20001,
      format('금액 한글 변환의 구분이 올바르지 않습니다: %s', coalesce(p_mode, 'NULL')));
  END IF;
  IF p_amount IS NULL THEN
    RETURN NULL;
  END IF;

  negative := round(p_amount) < 0;
  digits := abs(round(p_amount))::TEXT;
  len := length(digits);
  IF len > 20 THEN
    PERFORM pk_common.raise_app_error(20001,
      format('금액이 너무 커서 한글로 바꿀 수 없습니다: %s', p_amount));
  END IF;

  IF digits = '0' THEN
    words := '영';
  ELSE
    FOR pos IN 1 .. len LOOP
      d := substr(digits, pos, 1)::INTEGER;
      place := (len - pos) % 4;       -- 0 ones, 1 tens, 2 hundreds, 3 thousands
      grp := (len - pos) / 4;         -- 0 won, 1 만, 2 억, 3 조, 4 경
      IF d > 0 THEN
        words := words || digit_names[d] || small_units[place + 1];
        grp_used := true;
      END IF;
      IF place = 0 THEN
        IF grp_used THEN
          words := words || group_units[grp + 1];
        END IF;
        grp_used := false;
      END IF;
    END LOOP;
  END IF;

  IF negative THEN
    words := '마이너스 ' || words;
  END IF;
  IF p_mode = '2' THEN
    words := words || '원정';
  END IF;
  RETURN words;
END;
$$;
