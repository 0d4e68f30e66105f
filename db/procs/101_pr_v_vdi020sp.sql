-- The income statement of a month ('YYYYMM') against a comparison month
-- into VD020_RPT for the workstation p_ip_addr, in the Korean form:
--   매출액, 매출원가, 매출총이익, 판매비와관리비, 영업이익, 영업외수익,
--   영업외비용, 법인세비용차감전순이익, 법인세비용, 당기순이익 (9999999),
-- each section followed by its accounts. D_AMOUNT is the month's amount and
-- C_AMOUNT the term-to-date amount through the month; BD_AMOUNT and
-- BC_AMOUNT the same for the comparison month within its own term. Revenue
-- and income read credit - debit, costs and expenses debit - credit, so the
-- net income is the sum of credit - debit over classes 4-9. Figures come
-- from the ledger kernel; a month outside every term has none.
--
-- p_gubun '1' writes the whole statement (the income statement screen);
-- '0' only the net-income row (the balance sheet, whose comparison month is
-- the last month of the previous term). Bad arguments are refused as
-- errors; the run replaces the address's rows under its lock.
SET client_min_messages = warning;

CREATE OR REPLACE FUNCTION pr_v_vdi020sp(p_ip_addr TEXT, p_gubun TEXT, p_f_yyyymm TEXT, p_b_yyyymm TEXT)
RETURNS TEXT
LANGUAGE plpgsql VOLATILE SECURITY DEFINER SET search_path = public, pg_temp AS
$$
DECLARE
  v_ip    TEXT := left(btrim(p_ip_addr), 20);
  v_cur   TEXT := btrim(p_f_yyyymm);
  v_cmp   TEXT := btrim(p_b_yyyymm);
  v_count INTEGER;
BEGIN
  IF v_ip IS NULL OR v_ip = '' THEN
    PERFORM pk_common.raise_app_error(20151, '작업 단말의 주소가 없습니다.!');
  END IF;
  IF p_gubun IS NULL OR p_gubun NOT IN ('0', '1') THEN
    PERFORM pk_common.raise_app_error(20152, '손익계산서의 구분이 올바르지 않습니다.(' || coalesce(p_gubun, '') || ')');
  END IF;
  IF v_cur IS NULL OR v_cur !~ '^[0-9]{4}(0[1-9]|1[0-2])$' THEN
    PERFORM pk_common.raise_app_error(20153, '조회월이 올바르지 않습니다.(' || coalesce(p_f_yyyymm, '') || ')');
  END IF;
  IF v_cmp IS NULL OR v_cmp !~ '^[0-9]{4}(0[1-9]|1[0-2])$' THEN
    PERFORM pk_common.raise_app_error(20153, '비교월이 올바르지 않습니다.(' || coalesce(p_b_yyyymm, '') || ')');
  END IF;

  PERFORM pk_common.lock_result('VD020_RPT', v_ip);
  DELETE FROM vd020_rpt WHERE ip_addr = v_ip;

  INSERT INTO vd020_rpt (ip_addr, acct_code, acct_name, acct_upcd, d_amount, c_amount, bd_amount, bc_amount, sprt_ord)
  WITH s AS MATERIALIZED (SELECT * FROM pk_v_statement.pl_sections()),
  fig AS (
    -- each account's four amounts in the reading of its section
    SELECT a.acct_code, a.acct_name, a.p_acct_code, s.section,
           pk_v_statement.pl_sign(s.section) * coalesce(c.c_amount - c.d_amount, 0) AS month_cur,
           pk_v_statement.pl_sign(s.section) * coalesce(c.bc_amount - c.bd_amount, 0) AS term_cur,
           pk_v_statement.pl_sign(s.section) * coalesce(b.c_amount - b.d_amount, 0) AS month_cmp,
           pk_v_statement.pl_sign(s.section) * coalesce(b.bc_amount - b.bd_amount, 0) AS term_cmp
      FROM (SELECT * FROM pk_v_ledger.month_figures(v_cur)) c
      FULL JOIN (SELECT * FROM pk_v_ledger.month_figures(v_cmp)) b ON b.acct_code = c.acct_code
      JOIN va020ms a ON a.acct_code = coalesce(c.acct_code, b.acct_code)
      JOIN s ON s.acct_code = a.acct_code),
  sec AS (
    SELECT n.section, n.code, n.name,
           coalesce(sum(f.month_cur), 0) AS month_cur, coalesce(sum(f.term_cur), 0) AS term_cur,
           coalesce(sum(f.month_cmp), 0) AS month_cmp, coalesce(sum(f.term_cmp), 0) AS term_cmp
      FROM (VALUES (1, '0000010', '매출액'), (2, '0000020', '매출원가'), (4, '0000040', '판매비와관리비'),
                   (6, '0000060', '영업외수익'), (7, '0000070', '영업외비용'), (9, '0000090', '법인세비용'))
           n(section, code, name)
      LEFT JOIN fig f ON f.section = n.section
     GROUP BY n.section, n.code, n.name),
  v AS (
    -- the sections as columns, for the computed lines
    SELECT k.kind,
           sum(CASE WHEN sec.section = 1 THEN k.amt END) AS s1, sum(CASE WHEN sec.section = 2 THEN k.amt END) AS s2,
           sum(CASE WHEN sec.section = 4 THEN k.amt END) AS s4, sum(CASE WHEN sec.section = 6 THEN k.amt END) AS s6,
           sum(CASE WHEN sec.section = 7 THEN k.amt END) AS s7, sum(CASE WHEN sec.section = 9 THEN k.amt END) AS s9
      FROM sec
      CROSS JOIN LATERAL (VALUES (1, sec.month_cur), (2, sec.term_cur), (3, sec.month_cmp), (4, sec.term_cmp)) k(kind, amt)
     GROUP BY k.kind),
  computed AS (
    SELECT c.section, c.code, c.name,
           sum(CASE WHEN v.kind = 1 THEN c.amt END) AS month_cur, sum(CASE WHEN v.kind = 2 THEN c.amt END) AS term_cur,
           sum(CASE WHEN v.kind = 3 THEN c.amt END) AS month_cmp, sum(CASE WHEN v.kind = 4 THEN c.amt END) AS term_cmp
      FROM v
      CROSS JOIN LATERAL (VALUES (3, '0000030', '매출총이익', v.s1 - v.s2),
                                 (5, '0000050', '영업이익', v.s1 - v.s2 - v.s4),
                                 (8, '0000080', '법인세비용차감전순이익', v.s1 - v.s2 - v.s4 + v.s6 - v.s7),
                                 (10, '9999999', '당기순이익', v.s1 - v.s2 - v.s4 + v.s6 - v.s7 - v.s9))
           c(section, code, name, amt)
     GROUP BY c.section, c.code, c.name)
  SELECT v_ip, f.acct_code, '    ' || f.acct_name, f.p_acct_code, f.month_cur, f.term_cur, f.month_cmp, f.term_cmp,
         f.section * 10 + 1
    FROM fig f
   WHERE p_gubun = '1' AND (f.month_cur, f.term_cur, f.month_cmp, f.term_cmp) <> (0, 0, 0, 0)
  UNION ALL
  SELECT v_ip, sec.code, sec.name, NULL, sec.month_cur, sec.term_cur, sec.month_cmp, sec.term_cmp, sec.section * 10
    FROM sec
   WHERE p_gubun = '1'
  UNION ALL
  SELECT v_ip, c.code, c.name, NULL, c.month_cur, c.term_cur, c.month_cmp, c.term_cmp, c.section * 10
    FROM computed c
   WHERE p_gubun = '1' OR c.code = '9999999';
  GET DIAGNOSTICS v_count = ROW_COUNT;
  RETURN 'T' || v_count;
END
$$;
