-- The business places and a month of hand-written tax invoices.
--
-- The head office and 은빛마루 report to one tax office, the operations
-- headquarters and the youth hostel to another.
INSERT INTO ve030ms (place_ord, company, place_name, reg_no, c_name, boss_name, addr, c_type, c_item, tax_office) VALUES
  (1, '2', '본 사',      '2208112345', '(주)탈바네리조트',             '정한결', '서울 중구 세종대로 124 탈바네빌딩 9층',
      '서비스', '휴양콘도미니엄,관광숙박업', '201'),
  (2, '1', '운영본부',   '2268154321', '(주)탈바네리조트 운영본부',    '정한결', '강원 탈바네군 탈바네읍 리조트로 1',
      '서비스', '휴양콘도미니엄,스키장,골프장', '226'),
  (3, '4', '유스호스텔', '2268167890', '(주)탈바네리조트 유스호스텔',  '정한결', '강원 탈바네군 탈바네읍 리조트로 21',
      '숙박업', '유스호스텔', '226'),
  (4, '3', '은빛마루',   '2208109876', '(주)탈바네리조트 은빛마루',    '정한결', '서울 강동구 천호대로 1121 은빛마루',
      '서비스', '노인복지주택,임대', '201');

-- Invoices: lines first (their totals split into supply and tax as the
-- entry screen splits them), headers from their sums.
CREATE TEMP TABLE demo_ve_lines (no TEXT, seq INTEGER, def TEXT, prod TEXT, psize TEXT, qty NUMERIC, unit NUMERIC,
                                 total NUMERIC, memo TEXT);
INSERT INTO demo_ve_lines VALUES
  ('27000001', 1, '1103', '객실 이용료(단체)',  '디럭스', 40, 165000, 6600000, '11월 워크숍'),
  ('27000001', 2, '1103', '연회장 대관',        NULL,      1, 1320000, 1320000, NULL),
  ('27000002', 1, '1110', '리프트권(시즌)',     '성인',   120, 55000, 6600000, NULL),
  ('27000002', 3, '1110', '장비 대여',          '세트',    60, 22000, 1320000, '2번 줄 비움'),
  ('27000003', 1, '1118', '골프 라운드 이용료', '18홀',    24, 198000, 4752000, NULL),
  ('27000004', 1, '1125', '연수원 숙박',        NULL,      30, 88000, 2640000, '면세 아님'),
  ('27000004', 2, '1125', '조식',               '1식',     30, 11000, 330000, NULL),
  ('27000005', 1, '1202', '객실 이용료',        '패밀리', 25, 242000, 6050000, '12월 패키지'),
  ('27000005', 2, '1202', '스키 강습',          '2시간',   25, 44000, 1100000, NULL),
  ('27000006', 1, '1205', '세미나실 대관',      NULL,       2, 550000, 1100000, NULL),
  ('27000007', 1, '1208', '임대료',             '12월',     1, 2500000, 2500000, '면세 임대'),
  ('27000008', 1, '1209', '단체 식사',          '뷔페',    80, 27500, 2200000, NULL);

CREATE TEMP TABLE demo_ve_heads (no TEXT, c_code TEXT, kind TEXT, kind_nm TEXT, price TEXT, price_nm TEXT,
                                 book TEXT, ho TEXT, tax_date DATE, paid TEXT);
INSERT INTO demo_ve_heads VALUES
  ('27000001', '0100000016', '6', '매출(세금)',   '2', '청구', '0001', '01', DATE '2026-11-03', 'MISU'),
  ('27000002', '0100000021', '6', '매출(세금)',   '1', '영수', '0001', '02', DATE '2026-11-10', 'CASH'),
  ('27000003', '0100000022', '6', '매출(세금)',   '2', '청구', '0001', '03', DATE '2026-11-18', NULL),
  ('27000004', '0100000027', '6', '매출(세금)',   '2', '청구', '0001', '04', DATE '2026-11-25', 'MISU'),
  ('27000005', '0100000017', '6', '매출(세금)',   '2', '청구', '0001', '05', DATE '2026-12-02', 'MISU'),
  ('27000006', '0100000028', '6', '매출(세금)',   '1', '영수', '0001', '06', DATE '2026-12-05', 'CHEK'),
  ('27000007', '0100000024', '5', '매출(계산서)', '2', '청구', '0001', '07', DATE '2026-12-08', NULL),
  ('27000008', '0100000016', '6', '매출(세금)',   '1', '영수', '0001', '08', DATE '2026-12-09', 'CASH');

WITH sums AS (
  SELECT l.no, sum(CASE WHEN h.kind = '5' THEN l.total ELSE round(l.total / 1.1) END) AS sup, sum(l.total) AS total
    FROM demo_ve_lines l JOIN demo_ve_heads h ON h.no = l.no GROUP BY l.no)
INSERT INTO ve010ms (bill_seq_no, c_code, c_num, c_name, boss_name, c_type, c_item, addr, bill_type, bill_type_nm,
                     price_type, price_type_nm, billbook_no, billbook_ho, tax_date, issue_date, ts_price, t_tax,
                     cash_amt, chek_amt, bill_amt, misu_amt, u_ip, u_emp_no)
SELECT h.no, c.c_code, c.c_num, c.c_name, c.boss_name, left(c.c_item, 30), left(c.c_type, 30),
       left(c.addr1 || coalesce(c.addr2, ''), 90), h.kind, h.kind_nm, h.price, h.price_nm, h.book, h.ho,
       h.tax_date, h.tax_date, s.sup, s.total - s.sup,
       CASE WHEN h.paid = 'CASH' THEN s.total ELSE 0 END, CASE WHEN h.paid = 'CHEK' THEN s.total ELSE 0 END, 0,
       CASE WHEN h.paid = 'MISU' THEN s.total ELSE 0 END, '10.10.1.21', '2003'
  FROM demo_ve_heads h JOIN sums s ON s.no = h.no JOIN va050ms c ON c.c_code = h.c_code;

INSERT INTO ve012dt (bill_seq_no, seq_no, def_date, product_name, p_size, quantity, unit_price, sup_price, tax, summary,
                     u_ip, u_emp_no)
SELECT l.no, l.seq, l.def, l.prod, l.psize, l.qty, l.unit,
       CASE WHEN h.kind = '5' THEN l.total ELSE round(l.total / 1.1) END,
       CASE WHEN h.kind = '5' THEN 0 ELSE l.total - round(l.total / 1.1) END, l.memo, '10.10.1.21', '2003'
  FROM demo_ve_lines l JOIN demo_ve_heads h ON h.no = l.no;

-- The counters go on after the demo numbers.
INSERT INTO ve090ms (gubun, no_key, last_no) VALUES ('VE', '27', 8), ('VZ', '2026', 8);

DROP TABLE demo_ve_lines;
DROP TABLE demo_ve_heads;
