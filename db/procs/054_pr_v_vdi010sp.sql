-- Result tables kept per workstation address are replaced whole by each run,
-- under a transaction-level lock of that address, so two users behind one
-- address never mix their rows.
SET client_min_messages = warning;

CREATE OR REPLACE FUNCTION pk_common.lock_result(p_table TEXT, p_ip TEXT) RETURNS VOID
LANGUAGE plpgsql VOLATILE AS
$$ BEGIN
  PERFORM pg_advisory_xact_lock(hashtext('result:' || p_table), hashtext(coalesce(p_ip, '')));
END $$;

-- The trial balance of totals and balances for a month ('YYYYMM') into
-- VD010PR for the workstation p_ip_addr: per account with any figure the
-- opening brought into the term (전기이월), the month's debits and credits,
-- the term-to-date debits and credits through the month, their sums with the
-- opening, and the balance; per upper account (every level of the account
-- tree) the sums of its accounts, and a total row (9999999). An opening or a
-- balance stands on the debit side when the account's debits exceed its
-- credits, else on the credit side. Figures come from the ledger kernel, so
-- the run reads about one row per account. A month outside every term has
-- no books (no slip is confirmed there): its run leaves no rows, and the
-- screen refuses only to print it. Answers 'T' and the number of rows, or
-- 'E…' with nothing written.
CREATE OR REPLACE FUNCTION pr_v_vdi010sp(p_ip_addr TEXT, p_budg_year TEXT) RETURNS TEXT
LANGUAGE plpgsql VOLATILE SECURITY DEFINER SET search_path = public, pg_temp AS
$$
DECLARE
  v_ip    TEXT := left(btrim(p_ip_addr), 20);
  v_month TEXT := btrim(p_budg_year);
  v_count INTEGER;
BEGIN
  IF v_ip IS NULL OR v_ip = '' THEN
    RETURN 'E작업 단말의 주소가 없습니다.!';
  END IF;
  IF v_month IS NULL OR v_month !~ '^[0-9]{4}(0[1-9]|1[0-2])$' THEN
    RETURN 'E조회월이 올바르지 않습니다.(' || coalesce(p_budg_year, '') || ')';
  END IF;
  PERFORM pk_common.lock_result('VD010PR', v_ip);
  DELETE FROM vd010pr WHERE ip_addr = v_ip;

  INSERT INTO vd010pr (ip_addr, acct_code, acct_name, acct_upcd, bf_damount, bf_camount, d_amount, c_amount,
                       bd_amount, bc_amount, sum_damount, sum_camount, bal_damount, bal_camount)
  WITH f AS (
    -- each account's columns; the opening and the balance stand on the side
    -- where the account's debits exceed its credits, or the other
    SELECT x.*, greatest(x.bf, 0) AS bf_d, greatest(-x.bf, 0) AS bf_c,
           greatest(x.bf + x.bd_amount - x.bc_amount, 0) AS bal_d,
           greatest(-(x.bf + x.bd_amount - x.bc_amount), 0) AS bal_c
      FROM (SELECT m.acct_code, a.acct_name, a.p_acct_code,
                   pk_v_ledger.side(a.dc_div) * m.opening AS bf, m.d_amount, m.c_amount, m.bd_amount, m.bc_amount
              FROM pk_v_ledger.month_figures(v_month) m
              JOIN va020ms a ON a.acct_code = m.acct_code
             WHERE (m.opening, m.d_amount, m.c_amount, m.bd_amount, m.bc_amount) <> (0, 0, 0, 0, 0)) x),
  tree AS (
    -- every upper account of each account, up the tree
    WITH RECURSIVE up(acct_code, upper_code) AS (
      SELECT f.acct_code, f.p_acct_code FROM f
      UNION
      SELECT up.acct_code, a.p_acct_code
        FROM up JOIN va020ms a ON a.acct_code = up.upper_code
       -- level 1 is the top: its upper code only names the tree's root
       WHERE a.p_acct_code <> a.acct_code AND a.acc_level <> '1')
    SELECT up.acct_code, up.upper_code FROM up
     WHERE up.upper_code <> up.acct_code
       -- an upper account that takes slips itself shows as an account
       AND EXISTS (SELECT 1 FROM va020ms g WHERE g.acct_code = up.upper_code AND g.slip_yn = 'N'))
  -- accounts, then their upper accounts and the total with the sums of the
  -- accounts' columns
  SELECT v_ip, f.acct_code, f.acct_name, f.p_acct_code, f.bf_d, f.bf_c, f.d_amount, f.c_amount,
         f.bd_amount, f.bc_amount, f.bf_d + f.bd_amount, f.bf_c + f.bc_amount, f.bal_d, f.bal_c
    FROM f
  UNION ALL
  SELECT v_ip, g.acct_code, g.acct_name, NULL, sum(f.bf_d), sum(f.bf_c), sum(f.d_amount), sum(f.c_amount),
         sum(f.bd_amount), sum(f.bc_amount), sum(f.bf_d + f.bd_amount), sum(f.bf_c + f.bc_amount),
         sum(f.bal_d), sum(f.bal_c)
    FROM tree t JOIN f ON f.acct_code = t.acct_code JOIN va020ms g ON g.acct_code = t.upper_code
   GROUP BY g.acct_code, g.acct_name
  UNION ALL
  SELECT v_ip, '9999999', '합          계', NULL, sum(f.bf_d), sum(f.bf_c), sum(f.d_amount), sum(f.c_amount),
         sum(f.bd_amount), sum(f.bc_amount), sum(f.bf_d + f.bd_amount), sum(f.bf_c + f.bc_amount),
         sum(f.bal_d), sum(f.bal_c)
    FROM f
  HAVING count(*) > 0;
  GET DIAGNOSTICS v_count = ROW_COUNT;
  RETURN 'T' || v_count;
END
$$;
