-- The cost-of-sales statement of a period into VH010PR for a workstation:
-- per account of the cost of sales (class 6 and the operating costs under
-- 7100000) and department, the period's debits less credits of the
-- confirmed lines, by confirmation date. A line counts once, under the
-- first department item (118 or 141) it carries. Each account's group of
-- level 3 in the chart's tree gets a row per department too (ORD '0', left
-- out of the department totals); accounts are ORD '1'.
--
-- Departments:
--   PR_V_VHI010SP, over the cost departments of QA160MS (DEPT_AFF_YN 'N'):
--     P_FLAG '0' by site: every line under its team (the group of its
--                department in the organisation valid on the day);
--     P_FLAG '2' by site for one department: the lines of that department
--                and of the units below it, in one column;
--     P_FLAG '1' by part (QA150MS): every line under the part it is booked
--                to, or only those of the part given.
--   PR_V_VHI030SP, over the accounting codes of VA160MS (DEPT_TYPE '4',
--     DEPT_AFF_YN 'N'), each standing for the unit named by its DEPT_CODE:
--     P_FLAG '0' every line under the accounting code of the nearest unit
--                above its department; '2' only those of the code given.
-- Without a department, lines that fall under none stand in the column
-- '0000' "미지정", so that each account's total is its whole movement.
-- P_DEPTCD is a code, or 'NULL' (or empty) for none. The period's dates are
-- 'YYYY-MM-DD'. Answers PRETURNV: 'T' and the number of rows, or 'E…' with
-- nothing written.
SET client_min_messages = warning;

-- The confirmed lines of cost-of-sales accounts in a period, once each,
-- with the department item they carry first (NULL when none).
CREATE OR REPLACE FUNCTION pk_v_statement.cost_lines(p_from DATE, p_to DATE)
RETURNS TABLE (acct_code VARCHAR, dept_code VARCHAR, conf_date DATE, amount NUMERIC)
LANGUAGE sql STABLE AS
$$
  WITH cost AS MATERIALIZED (SELECT s.acct_code FROM pk_v_statement.pl_sections() s WHERE s.section = 2)
  SELECT l.acct_code,
         (SELECT i.mg_detail FROM vb011dt i
           WHERE i.slip_no = l.slip_no AND i.slip_seq_no = l.slip_seq_no AND i.mg_code IN ('118', '141')
           ORDER BY i.lineup_no LIMIT 1),
         l.conf_date, l.d_amount - l.c_amount
    FROM vb011ms l
   WHERE l.conf_date BETWEEN p_from AND p_to
     AND l.acct_code IN (SELECT acct_code FROM cost)
$$;

-- The dated organisation row of a department on a day.
CREATE OR REPLACE FUNCTION pk_v_statement.org_path(p_dept TEXT, p_day DATE) RETURNS TEXT
LANGUAGE plpgsql STABLE AS
$$ BEGIN
  RETURN (SELECT d.r_code FROM qa160ms_date d
           WHERE d.dept_code = p_dept AND to_char(p_day, 'YYYY-MM-DD') BETWEEN d.bgn_date AND d.end_date
           ORDER BY d.bgn_date DESC LIMIT 1);
END $$;

-- Whether a unit lies on an organisation path (is the department or above it).
CREATE OR REPLACE FUNCTION pk_v_statement.on_path(p_path TEXT, p_unit TEXT) RETURNS BOOLEAN
LANGUAGE sql IMMUTABLE AS
$$ SELECT EXISTS (SELECT 1 FROM generate_series(0, length(coalesce(p_path, '')) / 4 - 1) g
                   WHERE substr(p_path, g * 4 + 1, 4) = p_unit) $$;

-- Writes the rows of one run: the lines with the column each falls under
-- (NULL: left out), accounts and their level-3 groups.
CREATE OR REPLACE FUNCTION pk_v_statement.write_cost_rows(p_ip TEXT, p_lines JSONB) RETURNS INTEGER
LANGUAGE plpgsql VOLATILE AS
$$
DECLARE
  v_count INTEGER;
BEGIN
  INSERT INTO vh010pr (ip_addr, acct_code, acct_name, dept_code, dept_name, amount, ord)
  WITH l AS (
    SELECT x.acct_code, x.dept_code, x.dept_name, x.amount
      FROM jsonb_to_recordset(p_lines) x(acct_code TEXT, dept_code TEXT, dept_name TEXT, amount NUMERIC)),
  acct AS (
    SELECT l.acct_code, l.dept_code, max(l.dept_name) AS dept_name, sum(l.amount) AS amount
      FROM l GROUP BY l.acct_code, l.dept_code)
  SELECT p_ip, a.acct_code, v.acct_name, a.dept_code, a.dept_name, a.amount, '1'
    FROM acct a JOIN va020ms v ON v.acct_code = a.acct_code
  UNION ALL
  SELECT p_ip, g.group_code, v.acct_name, a.dept_code, max(a.dept_name), sum(a.amount), '0'
    FROM acct a
    JOIN pk_v_statement.account_groups() g ON g.acct_code = a.acct_code AND g.group_level = 3
    JOIN va020ms v ON v.acct_code = g.group_code
   GROUP BY g.group_code, v.acct_name, a.dept_code;
  GET DIAGNOSTICS v_count = ROW_COUNT;
  RETURN v_count;
END
$$;

CREATE OR REPLACE FUNCTION pk_v_statement.check_cost_call(p_ip TEXT, p_from TEXT, p_to TEXT) RETURNS TEXT
LANGUAGE plpgsql IMMUTABLE AS
$$ BEGIN
  IF p_ip IS NULL OR btrim(p_ip) = '' THEN
    RETURN 'E작업 단말의 주소가 없습니다.!';
  END IF;
  IF p_from IS NULL OR p_from !~ '^[0-9]{4}-[0-9]{2}-[0-9]{2}$' OR p_to IS NULL OR p_to !~ '^[0-9]{4}-[0-9]{2}-[0-9]{2}$' THEN
    RETURN 'E조회일자가 올바르지 않습니다.(' || coalesce(p_from, '') || ' ~ ' || coalesce(p_to, '') || ')';
  END IF;
  IF p_from > p_to THEN
    RETURN 'E조회 시작일자가 종료일자보다 늦습니다.(' || p_from || ' ~ ' || p_to || ')';
  END IF;
  RETURN NULL;
END $$;

CREATE OR REPLACE FUNCTION pr_v_vhi010sp(p_ip_addr TEXT, p_flag TEXT, p_deptcd TEXT, p_f_yyyymm TEXT, p_b_yyyymm TEXT)
RETURNS TEXT
LANGUAGE plpgsql VOLATILE SECURITY DEFINER SET search_path = public, pg_temp AS
$$
DECLARE
  v_ip    TEXT := left(btrim(p_ip_addr), 20);
  v_dept  TEXT := nullif(nullif(upper(btrim(p_deptcd)), ''), 'NULL');
  v_check TEXT := pk_v_statement.check_cost_call(p_ip_addr, btrim(p_f_yyyymm), btrim(p_b_yyyymm));
  v_from  DATE;
  v_to    DATE;
  v_lines JSONB;
BEGIN
  IF v_check IS NOT NULL THEN
    RETURN v_check;
  END IF;
  v_from := to_date(btrim(p_f_yyyymm), 'YYYY-MM-DD');
  v_to := to_date(btrim(p_b_yyyymm), 'YYYY-MM-DD');
  IF p_flag IS NULL OR p_flag NOT IN ('0', '1', '2') THEN
    RETURN 'E조회 구분이 올바르지 않습니다.(' || coalesce(p_flag, '') || ')';
  END IF;
  IF p_flag = '2' AND v_dept IS NULL THEN
    RETURN 'E부서코드를 입력하세요.!';
  END IF;
  IF p_flag = '0' THEN
    v_dept := NULL;
  END IF;
  IF p_flag = '2' AND NOT EXISTS (SELECT 1 FROM qa160ms WHERE aff_dept_code = v_dept AND dept_aff_yn = 'N') THEN
    RETURN 'E원가부서가 아닙니다.(' || v_dept || ')';
  END IF;
  IF p_flag = '1' AND v_dept IS NOT NULL AND NOT EXISTS (SELECT 1 FROM qa150ms WHERE dept_code = v_dept) THEN
    RETURN 'E파트코드가 올바르지 않습니다.(' || v_dept || ')';
  END IF;

  SELECT coalesce(jsonb_agg(jsonb_build_object('acct_code', c.acct_code, 'dept_code', c.col_code,
                                               'dept_name', c.col_name, 'amount', c.amount)), '[]')
    INTO v_lines
    FROM (SELECT z.acct_code, z.col_code, z.col_name, sum(z.amount) AS amount FROM (
          SELECT l.acct_code, l.amount,
                 coalesce(col.code, '0000') AS col_code, coalesce(col.name, '미지정') AS col_name
            FROM pk_v_statement.cost_lines(v_from, v_to) l
            LEFT JOIN qa160ms q ON q.aff_dept_code = l.dept_code AND q.dept_aff_yn = 'N'
            CROSS JOIN LATERAL (SELECT pk_v_statement.org_path(q.aff_dept_code, l.conf_date) AS path) o
            LEFT JOIN LATERAL (
              SELECT u.aff_dept_code AS code, u.aff_dept_name AS name
                FROM qa160ms u
               WHERE q.aff_dept_code IS NOT NULL
                 AND u.aff_dept_code = CASE p_flag
                       WHEN '0' THEN coalesce(CASE WHEN o.path IS NOT NULL THEN pk_v_dept.group_code(o.path) END,
                                              q.aff_dept_code)
                       WHEN '2' THEN CASE WHEN q.aff_dept_code = v_dept OR pk_v_statement.on_path(o.path, v_dept)
                                          THEN v_dept END
                       ELSE CASE WHEN EXISTS (SELECT 1 FROM qa150ms p WHERE p.dept_code = q.aff_dept_code)
                                      AND (v_dept IS NULL OR q.aff_dept_code = v_dept)
                                 THEN q.aff_dept_code END
                     END) col ON true
           -- with a department given, only its lines
           WHERE v_dept IS NULL OR col.code IS NOT NULL) z
          GROUP BY z.acct_code, z.col_code, z.col_name) c;

  PERFORM pk_common.lock_result('VH010PR', v_ip);
  DELETE FROM vh010pr WHERE ip_addr = v_ip;
  RETURN 'T' || pk_v_statement.write_cost_rows(v_ip, v_lines);
END
$$;

CREATE OR REPLACE FUNCTION pr_v_vhi030sp(p_ip_addr TEXT, p_flag TEXT, p_deptcd TEXT, p_f_yyyymm TEXT, p_b_yyyymm TEXT)
RETURNS TEXT
LANGUAGE plpgsql VOLATILE SECURITY DEFINER SET search_path = public, pg_temp AS
$$
DECLARE
  v_ip    TEXT := left(btrim(p_ip_addr), 20);
  v_dept  TEXT := nullif(nullif(upper(btrim(p_deptcd)), ''), 'NULL');
  v_check TEXT := pk_v_statement.check_cost_call(p_ip_addr, btrim(p_f_yyyymm), btrim(p_b_yyyymm));
  v_from  DATE;
  v_to    DATE;
  v_lines JSONB;
BEGIN
  IF v_check IS NOT NULL THEN
    RETURN v_check;
  END IF;
  v_from := to_date(btrim(p_f_yyyymm), 'YYYY-MM-DD');
  v_to := to_date(btrim(p_b_yyyymm), 'YYYY-MM-DD');
  IF p_flag IS NULL OR p_flag NOT IN ('0', '2') THEN
    RETURN 'E조회 구분이 올바르지 않습니다.(' || coalesce(p_flag, '') || ')';
  END IF;
  IF p_flag = '2' AND v_dept IS NULL THEN
    RETURN 'E부서코드를 입력하세요.!';
  END IF;
  IF p_flag = '0' THEN
    v_dept := NULL;
  END IF;
  IF p_flag = '2' AND NOT EXISTS (SELECT 1 FROM va160ms WHERE aff_dept_code = v_dept AND dept_aff_yn = 'N'
                                                         AND dept_type = '4') THEN
    RETURN 'E원가부서가 아닙니다.(' || v_dept || ')';
  END IF;

  SELECT coalesce(jsonb_agg(jsonb_build_object('acct_code', c.acct_code, 'dept_code', c.col_code,
                                               'dept_name', c.col_name, 'amount', c.amount)), '[]')
    INTO v_lines
    FROM (SELECT z.acct_code, z.col_code, z.col_name, sum(z.amount) AS amount FROM (
          SELECT l.acct_code, l.amount,
                 coalesce(col.code, '0000') AS col_code, coalesce(col.name, '미지정') AS col_name
            FROM pk_v_statement.cost_lines(v_from, v_to) l
            CROSS JOIN LATERAL (SELECT pk_v_statement.org_path(l.dept_code, l.conf_date) AS path) o
            -- the accounting code of the nearest unit above (or at) the department
            LEFT JOIN LATERAL (
              SELECT a.aff_dept_code AS code, a.aff_dept_name AS name
                FROM va160ms a, generate_series(0, length(coalesce(o.path, '')) / 4 - 1) g
               WHERE a.dept_type = '4' AND a.dept_aff_yn = 'N' AND coalesce(a.use_yn, 'Y') = 'Y'
                 AND a.dept_code = substr(o.path, g * 4 + 1, 4)
               ORDER BY g DESC, a.aff_dept_code LIMIT 1) col ON true
           WHERE v_dept IS NULL OR col.code = v_dept) z
          GROUP BY z.acct_code, z.col_code, z.col_name) c;

  PERFORM pk_common.lock_result('VH010PR', v_ip);
  DELETE FROM vh010pr WHERE ip_addr = v_ip;
  RETURN 'T' || pk_v_statement.write_cost_rows(v_ip, v_lines);
END
$$;
