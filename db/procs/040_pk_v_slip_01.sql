-- Package pk_v_slip_01: creates, replaces and deletes slips from the rows
-- slip entry stages in VB011MS_GT / VB011DT_GT (see the staging migration).

-- 'YYYY-MM-DD' to a date; NULL for anything else, including impossible days.
CREATE OR REPLACE FUNCTION pk_v_slip_01.to_day(p TEXT) RETURNS DATE
LANGUAGE plpgsql IMMUTABLE AS
$$
DECLARE
  t TEXT := btrim(p);
  y INTEGER;
  m INTEGER;
  d INTEGER;
BEGIN
  IF t IS NULL OR t !~ '^[0-9]{4}-[0-9]{2}-[0-9]{2}$' THEN
    RETURN NULL;
  END IF;
  y := substr(t, 1, 4)::INTEGER;
  m := substr(t, 6, 2)::INTEGER;
  d := substr(t, 9, 2)::INTEGER;
  IF y < 1 OR m NOT BETWEEN 1 AND 12 OR d < 1
     OR d > extract(DAY FROM make_date(y, m, 1) + INTERVAL '1 month - 1 day') THEN
    RETURN NULL;
  END IF;
  RETURN make_date(y, m, d);
END
$$;

-- A new slip number: slip kind, two digits of the year of the slip date and
-- five characters of that year's counter (00001..99999, then A000..ZZZZ with
-- the last four in base 36). The counter is a sequence: concurrent saves get
-- different numbers without waiting for each other. NULL when the kind or the
-- year cannot make a number. Every procedure that creates slips takes its
-- number here.
CREATE OR REPLACE FUNCTION pk_v_slip_01.new_slip_no(p_kind TEXT, p_day DATE) RETURNS VARCHAR
LANGUAGE plpgsql VOLATILE AS
$$
DECLARE
  digits CONSTANT TEXT := '0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ';
  k TEXT := upper(btrim(p_kind));
  v BIGINT;
  w BIGINT;
  tail TEXT := '';
BEGIN
  -- "N" is the mark of an unsaved slip and never starts a real number
  IF k IS NULL OR k !~ '^[A-MO-Z]$' OR p_day IS NULL
     OR extract(YEAR FROM p_day) NOT BETWEEN 2000 AND 2099 THEN
    RETURN NULL;
  END IF;
  v := nextval(format('pk_v_slip_01.slip_no_%s', to_char(p_day, 'YYYY'))::REGCLASS);
  IF v <= 99999 THEN
    tail := lpad(v::TEXT, 5, '0');
  ELSE
    w := v - 100000;
    tail := chr(65 + (w / 1679616)::INTEGER);
    w := w % 1679616;
    FOR i IN 1..4 LOOP
      tail := substr(tail, 1, 1) || substr(digits, (w % 36)::INTEGER + 1, 1) || substr(tail, 2);
      w := w / 36;
    END LOOP;
  END IF;
  RETURN k || to_char(p_day, 'YY') || tail;
END
$$;

-- Empties the current connection's staging rows of one slip number.
CREATE OR REPLACE FUNCTION pk_v_slip_01.stage_clear(p_key BIGINT, p_no TEXT) RETURNS VOID
LANGUAGE plpgsql VOLATILE AS
$$
BEGIN
  IF p_key IS NULL THEN
    RETURN;
  END IF;
  DELETE FROM pk_v_slip_01.gt_vb011dt WHERE stage_key = p_key AND slip_no = p_no;
  DELETE FROM pk_v_slip_01.gt_vb011ms WHERE stage_key = p_key AND slip_no = p_no;
  DELETE FROM pk_v_slip_01.gt_vb010ms WHERE stage_key = p_key AND slip_no = p_no;
END
$$;

-- Checks the staged lines and item values of one slip. Returns NULL when the
-- slip may be stored, otherwise the reason. Line numbers in messages count
-- from 1, as the screens show them.
CREATE OR REPLACE FUNCTION pk_v_slip_01.check_stage(p_key BIGINT, p_no TEXT) RETURNS TEXT
LANGUAGE plpgsql STABLE AS
$$
DECLARE
  n_lines   INTEGER;
  sum_d     NUMERIC;
  sum_c     NUMERIC;
  any_amt   BOOLEAN;
  bad_seq   INTEGER;
  bad_msg   TEXT;
  miss      RECORD;
BEGIN
  SELECT count(*),
         coalesce(sum(coalesce(l.d_amount, 0)), 0), coalesce(sum(coalesce(l.c_amount, 0)), 0),
         coalesce(bool_or(coalesce(l.d_amount, 0) <> 0 OR coalesce(l.c_amount, 0) <> 0), false)
    INTO n_lines, sum_d, sum_c, any_amt
    FROM pk_v_slip_01.gt_vb011ms l
   WHERE l.stage_key = p_key AND l.slip_no = p_no;
  IF p_key IS NULL OR n_lines = 0 THEN
    RETURN '저장할 전표 내역이 없습니다.!';
  END IF;

  -- the first line that cannot be stored, in line order
  SELECT x.seq, x.msg INTO bad_seq, bad_msg
    FROM (SELECT l.slip_seq_no AS seq,
                 CASE
                   WHEN l.slip_seq_no IS NULL OR l.slip_seq_no NOT BETWEEN 0 AND 999
                     THEN '라인 순번이 올바르지 않습니다.'
                   WHEN count(*) OVER (PARTITION BY l.slip_seq_no) > 1
                     THEN '라인 순번이 중복되었습니다.'
                   WHEN nullif(btrim(l.acct_code), '') IS NULL
                     THEN '계정과목을 바르게 입력하세요.!'
                   WHEN a.acct_code IS NULL
                     THEN '계정과목을 바르게 입력하세요.!(' || btrim(l.acct_code) || ')'
                   WHEN a.use_yn IS DISTINCT FROM 'Y' OR a.slip_yn IS DISTINCT FROM 'Y'
                     THEN '전표를 입력할 수 없는 계정과목입니다.(' || a.acct_code || ')'
                   WHEN coalesce(l.d_amount, 0) <> 0 AND coalesce(l.c_amount, 0) <> 0
                     THEN '차대변에 같이 금액이 들어갈수 없습니다.!'
                   WHEN coalesce(l.d_amount, 0) <> trunc(coalesce(l.d_amount, 0))
                     OR coalesce(l.c_amount, 0) <> trunc(coalesce(l.c_amount, 0))
                     THEN '금액은 원 단위로 입력하세요.!'
                   -- the amount columns are NUMERIC(15): fifteen digits at most
                   WHEN abs(coalesce(l.d_amount, 0)) >= 1e15 OR abs(coalesce(l.c_amount, 0)) >= 1e15
                     THEN '금액이 너무 큽니다.!'
                   WHEN length(l.ref_data) > 100
                     THEN '적요는 100자까지 입력할 수 있습니다.!'
                 END AS msg
            FROM pk_v_slip_01.gt_vb011ms l
            LEFT JOIN va020ms a ON a.acct_code = btrim(l.acct_code)
           WHERE l.stage_key = p_key AND l.slip_no = p_no) x
   WHERE x.msg IS NOT NULL
   ORDER BY x.seq NULLS FIRST
   LIMIT 1;
  IF bad_msg IS NOT NULL THEN
    RETURN '[' || coalesce((bad_seq + 1)::TEXT, '?') || '라인] ' || bad_msg;
  END IF;

  -- the header keeps the totals in NUMERIC(15) as well
  IF abs(sum_d) >= 1e15 OR abs(sum_c) >= 1e15 THEN
    RETURN '차,대변의 합계금액이 너무 큽니다.!';
  END IF;
  IF sum_d <> sum_c THEN
    RETURN '차,대변의 합계금액이 다르면 저장 하실수 없습니다.!'
        || ' (차변 ' || to_char(sum_d, 'FM999,999,999,999,990')
        || ', 대변 ' || to_char(sum_c, 'FM999,999,999,999,990') || ')';
  END IF;
  -- a copy with its amounts set to zero is a form to be filled in later
  IF NOT any_amt AND coalesce(current_setting('pk_v_slip_01.blank_lines', true), '') <> 'on' THEN
    RETURN '금액이 입력된 라인이 없습니다.!';
  END IF;

  -- item values: on a staged line, in a position 1..7 used once, holding the
  -- item that the account's rule puts in that position
  SELECT x.seq, x.msg INTO bad_seq, bad_msg
    FROM (SELECT i.slip_seq_no AS seq, i.lineup_no AS pos,
                 CASE
                   WHEN l.slip_seq_no IS NULL
                     THEN '관리항목에 해당하는 전표 라인이 없습니다.'
                   WHEN i.lineup_no IS NULL OR i.lineup_no NOT BETWEEN 1 AND 7
                     THEN '관리항목 위치가 올바르지 않습니다.(' || coalesce(i.lineup_no::TEXT, '') || ')'
                   WHEN count(*) OVER (PARTITION BY i.slip_seq_no, i.lineup_no) > 1
                     THEN '관리항목 ' || i.lineup_no || '이(가) 중복되었습니다.'
                   WHEN (SELECT q.mg_code FROM va040ms q
                          WHERE q.acct_code = btrim(l.acct_code) AND q.lineup_no = i.lineup_no
                            AND q.use_yn = 'Y') IS DISTINCT FROM btrim(i.mg_code)
                     THEN '관리항목 ' || i.lineup_no || '(' || coalesce(btrim(i.mg_code), '')
                          || ')이(가) 계정의 관리항목과 다릅니다. 계정을 다시 선택하세요.'
                   WHEN length(btrim(i.mg_detail)) > 100 OR length(btrim(i.mg_detail_name)) > 200
                     THEN '관리항목 ' || i.lineup_no || '의 값이 너무 깁니다.'
                 END AS msg
            FROM pk_v_slip_01.gt_vb011dt i
            LEFT JOIN pk_v_slip_01.gt_vb011ms l
              ON l.stage_key = i.stage_key AND l.slip_no = i.slip_no AND l.slip_seq_no = i.slip_seq_no
           WHERE i.stage_key = p_key AND i.slip_no = p_no
             AND nullif(btrim(i.mg_detail), '') IS NOT NULL) x
   WHERE x.msg IS NOT NULL
   ORDER BY x.seq NULLS FIRST, x.pos
   LIMIT 1;
  IF bad_msg IS NOT NULL THEN
    RETURN '[' || coalesce((bad_seq + 1)::TEXT, '?') || '라인] ' || bad_msg;
  END IF;

  -- items the account's rules require on the line's side (a zero line counts
  -- as a credit line)
  SELECT l.slip_seq_no AS seq, a.acct_name, m.mg_name, coalesce(l.d_amount, 0) <> 0 AS debit
    INTO miss
    FROM pk_v_slip_01.gt_vb011ms l
    JOIN va020ms a ON a.acct_code = btrim(l.acct_code)
    JOIN va040ms q ON q.acct_code = a.acct_code AND q.use_yn = 'Y'
    JOIN va030ms m ON m.mg_code = q.mg_code
   WHERE l.stage_key = p_key AND l.slip_no = p_no
     AND CASE WHEN coalesce(l.d_amount, 0) <> 0 THEN q.d_must = 'Y' ELSE q.c_must = 'Y' END
     AND NOT EXISTS (SELECT 1 FROM pk_v_slip_01.gt_vb011dt i
                      WHERE i.stage_key = l.stage_key AND i.slip_no = l.slip_no
                        AND i.slip_seq_no = l.slip_seq_no AND i.lineup_no = q.lineup_no
                        AND nullif(btrim(i.mg_detail), '') IS NOT NULL)
   ORDER BY l.slip_seq_no, q.lineup_no
   LIMIT 1;
  IF FOUND THEN
    RETURN '[' || (miss.seq + 1) || '라인] ' || coalesce(miss.acct_name, '') || ' 의[' || coalesce(miss.mg_name, '')
        || CASE WHEN miss.debit THEN ']는(은) 차변일때 필수입력 입니다.!'
                ELSE ']는(은) 대변일때 필수입력 입니다.!' END;
  END IF;
  RETURN NULL;
END
$$;

-- Copies the checked staging rows of p_stage_no into the slip p_slip_no.
CREATE OR REPLACE FUNCTION pk_v_slip_01.write_lines(p_key BIGINT, p_stage_no TEXT, p_slip_no TEXT,
                                                    p_session INTEGER) RETURNS VOID
LANGUAGE plpgsql VOLATILE AS
$$
BEGIN
  INSERT INTO vb011ms (slip_no, slip_seq_no, acct_code, ref_data, d_amount, c_amount, conf_date, session_id)
  SELECT p_slip_no, l.slip_seq_no, btrim(l.acct_code), nullif(l.ref_data, ''),
         coalesce(l.d_amount, 0), coalesce(l.c_amount, 0), NULL, p_session
    FROM pk_v_slip_01.gt_vb011ms l
   WHERE l.stage_key = p_key AND l.slip_no = p_stage_no;

  INSERT INTO vb011dt (slip_no, slip_seq_no, lineup_no, mg_code, mg_detail, mg_detail_name,
                       acct_code, d_amount, c_amount, conf_date, session_id)
  SELECT p_slip_no, i.slip_seq_no, i.lineup_no, btrim(i.mg_code), btrim(i.mg_detail),
         nullif(btrim(i.mg_detail_name), ''),
         -- account and amounts are the line's, whatever the item row repeats
         btrim(l.acct_code), coalesce(l.d_amount, 0), coalesce(l.c_amount, 0), NULL, p_session
    FROM pk_v_slip_01.gt_vb011dt i
    JOIN pk_v_slip_01.gt_vb011ms l
      ON l.stage_key = i.stage_key AND l.slip_no = i.slip_no AND l.slip_seq_no = i.slip_seq_no
   WHERE i.stage_key = p_key AND i.slip_no = p_stage_no
     AND nullif(btrim(i.mg_detail), '') IS NOT NULL;
END
$$;

-- Creates (flag '1'), replaces (flag '2') or deletes (flag '3') a slip.
-- Parameters, all text, in order:
--   psys_id    'V' or 'B' (kept on the header)
--   pslip_type '1' (kept on the header)
--   pslip_flag '1' new, '2' replace, '3' delete
--   pslip_no   the slip number held by the screen: for '1' the temporary
--              number under which the lines were staged, for '2' and '3'
--              the real number
--   pdept_code writing department (QA160MS.AFF_DEPT_CODE)
--   pacc_date  writing date 'YYYY-MM-DD'
--   pu_ip      workstation IP, pu_emp_no employee: audit columns and writer
--   pslip_kind slip kind, first character of the business division
-- Answers 'R' followed by the 8-character slip number on success, otherwise
-- 'E' followed by the reason; on 'E' nothing has been written.
CREATE OR REPLACE FUNCTION pk_v_slip_01.slip_apply(
  psys_id TEXT, pslip_type TEXT, pslip_flag TEXT, pslip_no TEXT, pdept_code TEXT,
  pacc_date TEXT, pu_ip TEXT, pu_emp_no TEXT, pslip_kind TEXT)
RETURNS TEXT
LANGUAGE plpgsql VOLATILE SECURITY DEFINER SET search_path = public, pg_temp AS
$$
DECLARE
  v_flag    TEXT := btrim(pslip_flag);
  v_no      TEXT := btrim(pslip_no);
  v_dept    TEXT := btrim(pdept_code);
  v_emp     TEXT := btrim(pu_emp_no);
  v_ip      TEXT := substr(btrim(pu_ip), 1, 20);
  v_kind    TEXT := upper(substr(btrim(pslip_kind), 1, 1));
  v_key     BIGINT := pk_v_slip_01.stage_key();
  v_day     DATE;
  v_session INTEGER;
  v_closed  TEXT;
  v_msg     TEXT;
  v_new     TEXT;
  v_sum_d   NUMERIC;
  v_sum_c   NUMERIC;
  h         RECORD;
BEGIN
  IF v_flag IS NULL OR v_flag NOT IN ('1', '2', '3') THEN
    RETURN 'E전표 처리구분이 올바르지 않습니다.(' || coalesce(v_flag, '') || ')';
  END IF;
  IF v_no IS NULL OR v_no = '' THEN
    RETURN 'E전표번호가 없습니다.!';
  END IF;
  IF v_emp IS NULL OR NOT EXISTS (SELECT 1 FROM qa010ms WHERE emp_no = v_emp) THEN
    RETURN 'E인사에 등록되지 않은 사용자입니다.(' || coalesce(v_emp, '') || ')';
  END IF;

  IF v_flag = '3' THEN
    IF left(v_no, 1) = 'N' THEN
      RETURN 'E저장되지 않은 전표는 삭제 하실수 없습니다.!';
    END IF;
    SELECT slip_no, slip_del_yn, conf_date, slip_date INTO h FROM vb010ms WHERE slip_no = v_no FOR UPDATE;
    IF NOT FOUND THEN
      RETURN 'E해당 전표가 없습니다.(' || v_no || ')';
    ELSIF h.conf_date IS NOT NULL THEN
      RETURN 'E확정된 전표는 삭제할 수 없습니다.!';
    ELSIF h.slip_del_yn = 'Y' THEN
      RETURN 'E이미 삭제된 전표입니다.!';
    END IF;
    v_msg := pk_v_close.closed_reason(h.slip_date);
    IF v_msg IS NOT NULL THEN
      RETURN 'E' || v_msg;
    END IF;
    UPDATE vb010ms
       SET slip_del_yn = 'Y', sys_id = left(btrim(psys_id), 1),
           u_date = LOCALTIMESTAMP(0), u_ip = v_ip, u_emp_no = v_emp
     WHERE slip_no = v_no;
    PERFORM pk_v_slip_01.stage_clear(v_key, v_no);
    RETURN 'R' || v_no;
  END IF;

  -- flags '1' and '2': header values, then the state of a stored slip, then
  -- the lines
  IF v_flag = '2' THEN
    SELECT slip_no, slip_del_yn, conf_date, slip_date INTO h FROM vb010ms WHERE slip_no = v_no FOR UPDATE;
    IF NOT FOUND THEN
      RETURN 'E해당 전표가 없습니다.(' || v_no || ')';
    ELSIF h.conf_date IS NOT NULL THEN
      RETURN 'E확정된 전표는 수정할 수 없습니다.!';
    ELSIF h.slip_del_yn = 'Y' THEN
      RETURN 'E삭제된 전표는 수정할 수 없습니다.!';
    END IF;
    -- a slip of a closed day stays as it is, and none moves out of one
    v_msg := pk_v_close.closed_reason(h.slip_date);
    IF v_msg IS NOT NULL THEN
      RETURN 'E' || v_msg;
    END IF;
  ELSIF EXISTS (SELECT 1 FROM vb010ms WHERE slip_no = v_no) THEN
    RETURN 'E이미 저장된 전표입니다. 조회 후 다시 저장하세요.(' || v_no || ')';
  END IF;

  IF v_kind IS NULL OR v_kind !~ '^[A-MO-Z]$' THEN
    RETURN 'E사업부문을 선택하세요.!';
  END IF;
  v_day := pk_v_slip_01.to_day(pacc_date);
  IF v_day IS NULL THEN
    RETURN 'E작성일자가 올바르지 않습니다.(' || coalesce(pacc_date, '') || ')';
  END IF;
  SELECT session_id, close_yn INTO v_session, v_closed
    FROM vi010ms WHERE v_day BETWEEN st_date AND ed_date;
  IF NOT FOUND THEN
    RETURN 'E회계일자에 등록된 기수가 없습니다.관리자에게 문의하세요.!';
  ELSIF v_closed = 'Y' THEN
    RETURN 'E마감된 기수(' || v_session || ')에는 전표를 저장할 수 없습니다.!';
  END IF;
  v_msg := pk_v_close.closed_reason(v_day);
  IF v_msg IS NOT NULL THEN
    RETURN 'E' || v_msg;
  END IF;
  IF v_dept IS NULL OR NOT EXISTS (SELECT 1 FROM qa160ms WHERE aff_dept_code = v_dept) THEN
    RETURN 'E부서를 바르게 선택하세요.(' || coalesce(v_dept, '') || ')';
  END IF;

  v_msg := pk_v_slip_01.check_stage(v_key, v_no);
  IF v_msg IS NOT NULL THEN
    RETURN 'E' || v_msg;
  END IF;

  SELECT coalesce(sum(coalesce(d_amount, 0)), 0), coalesce(sum(coalesce(c_amount, 0)), 0)
    INTO v_sum_d, v_sum_c
    FROM pk_v_slip_01.gt_vb011ms WHERE stage_key = v_key AND slip_no = v_no;

  IF v_flag = '1' THEN
    v_new := pk_v_slip_01.new_slip_no(v_kind, v_day);
    IF v_new IS NULL THEN
      RETURN 'E전표번호를 만들 수 없는 작성일자입니다.(' || pacc_date || ')';
    END IF;
    INSERT INTO vb010ms (slip_no, dept_code, slip_date, acc_date, slip_conf_yn, slip_del_yn, conf_date,
                         total_d_amt, total_c_amt, cr_emp_no, session_id, slip_kind, slip_type, sys_id,
                         u_date, u_ip, u_emp_no)
    VALUES (v_new, v_dept, v_day, v_day, 'N', 'N', NULL,
            v_sum_d, v_sum_c, v_emp, v_session, v_kind, left(btrim(pslip_type), 1), left(btrim(psys_id), 1),
            LOCALTIMESTAMP(0), v_ip, v_emp);
  ELSE
    v_new := v_no;
    DELETE FROM vb011dt WHERE slip_no = v_no;
    DELETE FROM vb011ms WHERE slip_no = v_no;
    UPDATE vb010ms
       SET dept_code = v_dept, slip_date = v_day, acc_date = v_day,
           total_d_amt = v_sum_d, total_c_amt = v_sum_c, session_id = v_session,
           slip_kind = v_kind, slip_type = left(btrim(pslip_type), 1), sys_id = left(btrim(psys_id), 1),
           u_date = LOCALTIMESTAMP(0), u_ip = v_ip, u_emp_no = v_emp
     WHERE slip_no = v_no;
  END IF;

  PERFORM pk_v_slip_01.write_lines(v_key, v_no, v_new, v_session);
  PERFORM pk_v_slip_01.stage_clear(v_key, v_no);
  RETURN 'R' || v_new;
END
$$;
