-- Notes of the demo: the books of note and cheque forms 국민은행 and 신한은행
-- handed out this autumn, a few blank forms pledged or discarded, three
-- notes issued to suppliers through confirmed slips (one already given its
-- payment date), and the notes and cheques customers handed over, some of
-- them discounted, endorsed or settled.

-- Books and their forms, through the book procedure as the register saves them.
DO $$
DECLARE
  b RECORD;
  v TEXT;
BEGIN
  FOR b IN SELECT * FROM (VALUES
      ('0300000001', '1', 'AA12340001', '2026-11-02', 20),
      ('0300000001', '2', 'KB00100001', '2026-11-02', 10),
      ('0300000001', '1', 'AA12340021', '2026-12-01', 20),
      ('0300000002', '1', 'SH55000001', '2026-12-03', 10)) AS x(bank, clf, strt, rcp, cnt) LOOP
    v := pr_vf050sp('10.10.1.31', '2001', b.bank, b.clf, b.strt, NULL, b.rcp, b.cnt::TEXT);
    IF left(v, 1) <> 'T' THEN
      RAISE EXCEPTION 'demo book % not made: %', b.strt, v;
    END IF;
    INSERT INTO vf050ms (fin_inst_cd, bill_clf, strt_no, rcp_dt, rcp_sht, u_date, u_ip, u_emp_no)
    VALUES (b.bank, b.clf, b.strt, b.rcp, b.cnt, (b.rcp || ' 10:20')::TIMESTAMP, '10.10.1.31', '2001');
  END LOOP;
END
$$;

UPDATE vf060ms SET bill_proc_cd = '2', bill_proc_dt = '2026-11-20', rmks = '국민은행 당좌대출 견질 제공'
 WHERE bill_clf = '1' AND bill_no IN ('AA12340019', 'AA12340020');
UPDATE vf060ms SET bill_proc_cd = '3', bill_proc_dt = '2026-11-25', rmks = '기재 오류로 폐기'
 WHERE bill_clf = '1' AND bill_no = 'AA12340005';
UPDATE vf060ms SET bill_proc_cd = '4', bill_proc_dt = '2026-11-30', rmks = '당좌예금 인출용 횡선수표'
 WHERE bill_clf = '2' AND bill_no = 'KB00100001';

-- Three notes paid to suppliers for their trade payables, written as slip
-- entry writes them and confirmed by the finance user on their day: the
-- confirmation issues the forms.
DO $$
DECLARE
  n RECORD;
  v_no TEXT;
  v TEXT;
BEGIN
  FOR n IN SELECT * FROM (VALUES
      ('AA12340001', '0100000009', '2026-12-02', '2027-01-31', 4850000, '1111'),
      ('AA12340002', '0100000023', '2026-12-04', '2027-02-28', 3260000, '1111'),
      ('AA12340003', '0100000015', '2026-12-07', '2026-12-31', 1975000, '1112')) AS x(bill, cust, isu, exp, amt, dept)
      ORDER BY 1 LOOP
    PERFORM pk_v_autoslip.stage_begin('NDEMO');
    PERFORM pk_v_autoslip.stage_line('NDEMO', 0, '2110110',
                                     (SELECT c_name FROM va050ms WHERE c_code = n.cust) || ' 외상대금 어음지급',
                                     n.amt, 0, pk_v_autoslip.customer_items('101', n.cust));
    PERFORM pk_v_autoslip.stage_line('NDEMO', 1, '2110120',
                                     (SELECT c_name FROM va050ms WHERE c_code = n.cust) || ' 지급어음 발행 ' || n.bill,
                                     0, n.amt,
                                     jsonb_build_object('103', '0300000001:국민은행',
                                                        '154', n.cust || ':' || (SELECT c_num FROM va050ms WHERE c_code = n.cust),
                                                        '155', (SELECT c_name FROM va050ms WHERE c_code = n.cust),
                                                        '116', n.bill, '126', n.isu, '127', n.exp));
    v_no := pk_v_autoslip.store('NDEMO', n.dept, n.isu::DATE, '10.10.1.31', '2001');
    v := pk_v_journalize.def_confdate('1', v_no, n.isu, '2003');
    IF v = 'T' THEN
      v := pk_v_journalize.pr_journalmain('1', v_no, n.isu, '2003');
    END IF;
    IF v <> 'T' THEN
      RAISE EXCEPTION 'demo note slip % not confirmed: %', v_no, v;
    END IF;
  END LOOP;
END
$$;

UPDATE vf060ms SET jikeub_dt = '2026-12-10', u_ip = '10.10.1.31', u_emp_no = '2001'
 WHERE bill_clf = '1' AND bill_no = 'AA12340003';

-- Notes and cheques received from customers.
INSERT INTO vf010ms (bill_no, bill_kd, bill_type, cust_cd, isu_dt, exp_dt, isur, pay_bank_cd, pay_bank_nm, rmks,
                     bill_amt, colt_dt, bill_proc_cd, bill_proc_dt, disc_slt_dt, disc_bank_cd, disc_rate, disc_term,
                     disc_coll_amt, disc_charge, disc_in_bank_cd, disc_disp_amt, u_emp_no, u_date, u_ip)
VALUES
  ('자가20261101', '1', '1', '0100000016', DATE '2026-11-01', DATE '2026-12-15', '(주)하나투어리스트', '0300000004',
   '하나은행', '11월 단체객실료', 12500000, DATE '2026-11-03', '0', NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL,
   '2001', TIMESTAMP '2026-11-03 14:10:00', '10.10.1.31'),
  ('자가20261115', '1', '1', '0100000028', DATE '2026-11-15', DATE '2026-12-31', '(주)부산마이스', '0300000003',
   '우리은행', '송년 행사 연회장 대관료', 8800000, DATE '2026-11-16', '0', NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL,
   NULL, '2001', TIMESTAMP '2026-11-16 10:00:00', '10.10.1.31'),
  ('타수77120034', '1', '2', '0100000027', DATE '2026-11-20', DATE '2027-01-20', '강릉관광개발(주)', '0300000005',
   '농협은행 탈바네지점', '관광버스 제휴 수수료 (배서양도 어음)', 5400000, DATE '2026-11-21', '0', NULL, NULL, NULL,
   NULL, NULL, NULL, NULL, NULL, NULL, '2001', TIMESTAMP '2026-11-21 16:45:00', '10.10.1.31'),
  ('가계00451', '2', '1', '0100000021', DATE '2026-12-01', DATE '2026-12-20', '장스키', '0300000002', '신한은행',
   '스키장비 임대 보증금', 2300000, DATE '2026-12-01', '0', NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL,
   '2001', TIMESTAMP '2026-12-01 11:30:00', '10.10.1.31'),
  ('당좌30098812', '3', '1', '0100000017', DATE '2026-12-05', DATE '2026-12-05', '(주)스마트스테이', '0300000001',
   '국민은행', '11월분 예약중개 정산 (당좌수표)', 6120000, DATE '2026-12-05', '1', DATE '2026-12-07', NULL, NULL,
   NULL, NULL, NULL, NULL, NULL, NULL, '2001', TIMESTAMP '2026-12-07 09:15:00', '10.10.1.31'),
  ('자가20261005', '1', '1', '0100000016', DATE '2026-10-05', DATE '2027-01-05', '(주)하나투어리스트', '0300000004',
   '하나은행', '10월 단체객실료 (할인)', 15000000, DATE '2026-10-06', '2', DATE '2026-10-20', DATE '2026-10-20',
   '0300000001', 6.500, 77, 15000, 205700, '0300000001', 14779300, '2001', TIMESTAMP '2026-10-20 15:00:00',
   '10.10.1.31'),
  ('타수66030117', '1', '2', '0100000022', DATE '2026-10-12', DATE '2026-12-12', '(주)제주관광레저', '0300000003',
   '우리은행', '골프장 위탁운영 정산금 (배서)', 4200000, DATE '2026-10-13', '3', DATE '2026-11-02', NULL, NULL, NULL,
   NULL, NULL, NULL, NULL, NULL, '2001', TIMESTAMP '2026-11-02 13:20:00', '10.10.1.31'),
  ('표지10020', '4', '1', '0100000024', DATE '2026-12-08', DATE '2027-02-08', '(주)한길정보기술', '0300000006',
   '중소기업은행', '전산장비 매각대금', 9700000, DATE '2026-12-09', '0', NULL, NULL, NULL, NULL, NULL, NULL, NULL,
   NULL, NULL, '2001', TIMESTAMP '2026-12-09 17:05:00', '10.10.1.31');
