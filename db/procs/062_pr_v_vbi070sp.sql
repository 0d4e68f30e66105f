-- The daily sales slip of sales day SALE_YMD ('YYYY-MM-DD'; 'YYYY/MM/DD',
-- 'YYYY.MM.DD' and 'YYYYMMDD' are read as well), written for department
-- PDEPT_CODE on that day from the outlets' sales (VB090MS):
--   a debit per payment kind on the account that receives it (VB092MS:
--   cash, card receivables with the card company, ordinary deposits with
--   bank and account, receivables with the customer), the day's sum of
--   every outlet;
--   a credit per outlet on its revenue account (VB091MS) with the outlet's
--   department as cost department.
-- The amounts are the settled amounts of the day as the point-of-sale
-- system reports them; VAT is declared from the invoices, not from here.
-- Answers PRETURNV 'R' and the slip number, PRTN_DATE the day; or 'E' and
-- the reason, with nothing written. A day whose slip exists undeleted is
-- refused; once it is deleted the day may run again.
SET client_min_messages = warning;

CREATE OR REPLACE FUNCTION pr_v_vbi070sp(sale_ymd TEXT, pu_ip TEXT, pdept_code TEXT, pu_emp_no TEXT,
                                         OUT preturnv TEXT, OUT prtn_date TEXT)
LANGUAGE plpgsql VOLATILE SECURITY DEFINER SET search_path = public, pg_temp AS
$$
DECLARE
  v_day   DATE := pk_v_autoslip.to_day(sale_ymd);
  v_key   TEXT;
  v_stage CONSTANT TEXT := 'NSALE';
  v_live  TEXT;
  v_text  TEXT;
  v_seq   INTEGER := 0;
  v_new   TEXT;
  l       RECORD;
BEGIN
  prtn_date := '';
  IF v_day IS NULL THEN
    preturnv := 'E매출 발생일자가 올바르지 않습니다.(' || coalesce(sale_ymd, '') || ')';
    RETURN;
  END IF;
  v_key := to_char(v_day, 'YYYY-MM-DD');
  v_text := to_char(v_day, 'YYYY.MM.DD');
  BEGIN
    -- one run of a sales day at a time
    PERFORM pg_advisory_xact_lock(hashtext('vb095ms:S'), hashtext(v_key));
    v_live := pk_v_autoslip.live_slips('S', v_key);
    IF v_live IS NOT NULL THEN
      PERFORM pk_v_autoslip.refuse('이미 매출 자동전표가 생성된 일자입니다.(전표번호 ' || v_live
                                   || ') 전표를 삭제한 후 다시 처리하세요.');
    END IF;
    IF NOT EXISTS (SELECT 1 FROM vb090ms WHERE sale_date = v_day AND sale_amt <> 0) THEN
      PERFORM pk_v_autoslip.refuse(v_key || ' 일자의 매출 자료가 없습니다.!');
    END IF;
    FOR l IN SELECT DISTINCT o.outlet_code, o.outlet_name, o.acct_code
               FROM vb090ms s JOIN vb091ms o ON o.outlet_code = s.outlet_code
              WHERE s.sale_date = v_day AND s.sale_amt <> 0 ORDER BY 1 LOOP
      PERFORM pk_v_autoslip.require_slip_account(l.acct_code, '영업장 [' || l.outlet_code || ' ' || l.outlet_name || ']');
    END LOOP;
    FOR l IN SELECT DISTINCT w.pay_way, w.pay_way_name, w.acct_code
               FROM vb090ms s JOIN vb092ms w ON w.pay_way = s.pay_way
              WHERE s.sale_date = v_day AND s.sale_amt <> 0 ORDER BY 1 LOOP
      PERFORM pk_v_autoslip.require_slip_account(l.acct_code, '결제구분 [' || l.pay_way || ' ' || l.pay_way_name || ']');
    END LOOP;

    PERFORM pk_v_autoslip.stage_begin(v_stage);
    FOR l IN SELECT w.pay_way, w.pay_way_name, w.acct_code, w.card_code, w.bank_code, w.bank_account, w.cust_code,
                    sum(s.sale_amt) AS amt
               FROM vb090ms s JOIN vb092ms w ON w.pay_way = s.pay_way
              WHERE s.sale_date = v_day
              GROUP BY w.pay_way, w.pay_way_name, w.acct_code, w.card_code, w.bank_code, w.bank_account, w.cust_code
             HAVING sum(s.sale_amt) <> 0
              ORDER BY w.pay_way LOOP
      PERFORM pk_v_autoslip.stage_line(v_stage, v_seq, l.acct_code, v_text || ' 일일매출 ' || l.pay_way_name, l.amt, 0,
                                       pk_v_autoslip.customer_items('105', l.card_code)
                                       || pk_v_autoslip.customer_items('101', l.cust_code)
                                       || CASE WHEN l.bank_code IS NULL THEN '{}'::JSONB
                                               ELSE pk_v_autoslip.bank_items(l.bank_code, l.bank_account) END);
      v_seq := v_seq + 1;
    END LOOP;
    FOR l IN SELECT o.outlet_code, o.outlet_name, o.acct_code, o.dept_code, sum(s.sale_amt) AS amt
               FROM vb090ms s JOIN vb091ms o ON o.outlet_code = s.outlet_code
              WHERE s.sale_date = v_day
              GROUP BY o.outlet_code, o.outlet_name, o.acct_code, o.dept_code
             HAVING sum(s.sale_amt) <> 0
              ORDER BY o.outlet_code LOOP
      PERFORM pk_v_autoslip.stage_line(v_stage, v_seq, l.acct_code, v_text || ' ' || l.outlet_name || ' 매출', 0, l.amt,
                                       pk_v_autoslip.dept_items(l.dept_code));
      v_seq := v_seq + 1;
    END LOOP;
    v_new := pk_v_autoslip.store(v_stage, btrim(pdept_code), v_day, pu_ip, btrim(pu_emp_no));
    PERFORM pk_v_autoslip.register('S', v_key, ARRAY[v_new], pu_ip, btrim(pu_emp_no));
  EXCEPTION WHEN SQLSTATE 'UE601' THEN
    preturnv := 'E' || SQLERRM;
    RETURN;
  END;
  preturnv := 'R' || v_new;
  prtn_date := v_key;
END
$$;
