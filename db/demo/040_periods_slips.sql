-- Fiscal terms and slips.
--
-- Terms are calendar years: 2025 (closed), 2026 (current) and 2027 (opened
-- early so that January entries can be written). Slips are generated from
-- transaction templates: monthly bills and payroll on fixed days plus a few
-- random everyday slips per business day, denser in November and December
-- 2026. Slips of 2025 end in the past-data schema BKUSER with their monthly
-- sums (2025 stays in the current books as well, as the term before the
-- current one). Item values follow the account rules of the demo chart; amounts are
-- derived from one base amount per slip, so every slip balances.

-- The demo writes confirmed slips directly, as the posting engine would; the
-- books are then rebuilt from them and the past months closed (next file).
SET LOCAL tv.engine = 'on';

INSERT INTO vi010ms (session_id, st_date, ed_date, close_yn, summary, u_date, u_ip, u_emp_no) VALUES
  (26, DATE '2025-01-01', DATE '2025-12-31', 'N', '제26기 (2025.01.01 ~ 2025.12.31) 결산 완료',
   TIMESTAMP '2026-03-20 17:40:00', '10.10.1.21', '2003'),
  (27, DATE '2026-01-01', DATE '2026-12-31', 'N', '제27기 (2026.01.01 ~ 2026.12.31)',
   TIMESTAMP '2025-12-22 10:05:00', '10.10.1.21', '2003'),
  (28, DATE '2027-01-01', DATE '2027-12-31', 'N', '제28기 (2027.01.01 ~ 2027.12.31)',
   TIMESTAMP '2026-12-01 09:30:00', '10.10.1.21', '2003');

-- deterministic pseudo-random numbers, so that every setup gets the same data
CREATE FUNCTION pg_temp.h(t TEXT) RETURNS INTEGER
LANGUAGE sql IMMUTABLE AS
$$ SELECT ('x' || substr(md5(t), 1, 7))::BIT(28)::INTEGER $$;

-- Templates: weight for random slips (0 = monthly slip on fixed_day), the
-- months they occur in (NULL = all), the writing departments, remarks
-- ({m} month, {cust}, {card}, {name} are filled in), the base amount range
-- and rounding unit, the customers, names and the company bank account used.
CREATE TEMP TABLE demo_tpl (
  code      TEXT PRIMARY KEY,
  weight    INTEGER NOT NULL,
  fixed_day INTEGER,
  months    INTEGER[],
  depts     TEXT[] NOT NULL,
  remarks   TEXT[] NOT NULL,
  amt_min   BIGINT NOT NULL,
  amt_max   BIGINT NOT NULL,
  unit      INTEGER NOT NULL,
  custs     TEXT[],
  names     TEXT[],
  bank_code TEXT,
  bank_acct TEXT
) ON COMMIT DROP;

INSERT INTO demo_tpl VALUES
  ('FOOD',    9, NULL, NULL, '{2120,2121,2122,2230}', '{"식자재 구입 - {cust}","주방 식자재 납품대금 ({cust})"}',
   300000, 3000000, 1000, '{0100000009,0100000023,0100000015}', NULL, NULL, NULL),
  ('PAYAP',   4, NULL, NULL, '{1111,1112}', '{"{cust} 외상대금 지급"}',
   1000000, 8000000, 1000, '{0100000009,0100000023,0100000015,0100000010}', NULL, '0300000001', '054-21-0456-789'),
  ('ROOMCARD',9, NULL, NULL, '{2110,2111,2210,2211}', '{"객실 카드매출 ({card})","객실료 카드결제분 ({card})"}',
   500000, 6000000, 1000, NULL, NULL, NULL, NULL),
  ('FBCASH',  5, NULL, NULL, '{2121,2122}', '{"레스토랑 현금매출","연회장 현금매출"}',
   100000, 1500000, 100, NULL, NULL, NULL, NULL),
  ('LIFT',    8, NULL, '{1,2,12}', '{2141}', '{"리프트권 카드매출 ({card})","시즌권 카드매출 ({card})"}',
   2000000, 15000000, 1000, NULL, NULL, NULL, NULL),
  ('WATERPK', 5, NULL, '{6,7,8}', '{2142}', '{"워터파크 입장료 카드매출 ({card})"}',
   2000000, 12000000, 1000, NULL, NULL, NULL, NULL),
  ('GOLF',    5, NULL, NULL, '{2221,2222}', '{"그린피 카드매출 ({card})"}',
   1000000, 8000000, 1000, NULL, NULL, NULL, NULL),
  ('CARDIN',  5, NULL, NULL, '{2110,2210}', '{"{card} 카드대금 입금"}',
   2000000, 20000000, 1000, NULL, NULL, '0300000005', '351-0987-6543-21'),
  ('TRAVEL',  5, NULL, NULL, '{1111,1121,1130,1140,1211,1220,1240}',
   '{"{name} 국내출장비 (서울 본사)","{name} 국내출장비 (제주리조트)","{name} 국내출장비 (설악리조트)"}',
   50000, 600000, 1000, NULL, '{김회계,이자금,박재무,정프론트,오기획,최설악}', NULL, NULL),
  ('OFFICE',  4, NULL, NULL, '{1111,1121,1122,1130,1140,1211}', '{"사무용품 구입","복사용지 및 토너 구입"}',
   30000, 500000, 10, '{0100000014}', NULL, NULL, NULL),
  ('ENTER',   3, NULL, NULL, '{1210,1211,1212,1220}', '{"거래처 접대비 (법인카드)","여행사 간담회 식대 (법인카드)"}',
   100000, 800000, 100, NULL, NULL, NULL, NULL),
  ('FUEL',    3, NULL, NULL, '{1121,1122,1211}', '{"업무용 차량 유류대"}',
   50000, 250000, 10, NULL, NULL, NULL, NULL),
  ('REPAIR',  4, NULL, NULL, '{2130,2131,2132}', '{"객실 보일러 수리","연회장 조명 교체","주방 배관 보수","객실동 누수 보수"}',
   200000, 5000000, 1000, '{0100000013}', NULL, NULL, NULL),
  ('AGENCY',  4, NULL, NULL, '{2110,2111,2210}', '{"{cust} 단체 객실료","{cust} 객실 판매대금"}',
   1000000, 10000000, 1000, '{0100000016,0100000017,0100000027,0100000028}', NULL, NULL, NULL),
  ('RESV',    4, NULL, NULL, '{2111,2211}', '{"객실 예약금 입금 ({name})"}',
   100000, 900000, 1000, NULL, '{홍길동,김민준,이서연,박지호,최수아,정우진,강하은}', '0300000005', '351-0987-6543-21'),
  ('BANKFEE', 3, NULL, NULL, '{1112}', '{"송금수수료","타행이체 수수료"}',
   500, 5000, 500, NULL, NULL, '0300000001', '054-21-0456-789'),
  ('AD',      2, NULL, NULL, '{1220}', '{"{m}월 온라인 광고비 ({cust})"}',
   1000000, 5000000, 10000, '{0100000018}', NULL, NULL, NULL),
  ('PHONE',   0, 5,    NULL, '{1140}', '{"{m}월 전화요금 납부"}',
   300000, 600000, 10, NULL, NULL, '0300000001', '054-21-0456-789'),
  ('ITMAINT', 0, 3,    NULL, '{1140}', '{"{m}월 전산 유지보수료 ({cust})"}',
   3300000, 3300000, 1, '{0100000024}', NULL, NULL, NULL),
  ('ELEC',    0, 8,    NULL, '{2131}', '{"{m}월 전기요금 납부"}',
   8000000, 15000000, 10, '{0100000019}', NULL, '0300000005', '351-0987-6543-21'),
  ('WATER',   0, 10,   NULL, '{2132}', '{"{m}월 상하수도요금 납부"}',
   2000000, 4000000, 10, NULL, NULL, '0300000005', '351-0987-6543-21'),
  ('INTEREST',0, 20,   NULL, '{1112}', '{"{m}월 장기차입금 이자 지급"}',
   12500000, 12500000, 1, NULL, NULL, '0300000001', '054-21-0456-789'),
  ('PAYHQ',   0, 25,   NULL, '{1130}', '{"{m}월 본사 직원급여 지급"}',
   180000000, 190000000, 10, NULL, NULL, '0300000002', '140-011-223344'),
  ('PAYRES',  0, 25,   NULL, '{2110}', '{"{m}월 리조트 직원급여 지급"}',
   320000000, 340000000, 10, NULL, NULL, '0300000002', '140-011-223344'),
  ('CLEAN',   0, 27,   NULL, '{2112}', '{"{m}월 객실 청소용역비 ({cust})"}',
   12000000, 14000000, 1000, '{0100000011}', NULL, NULL, NULL),
  ('LINEN',   0, 27,   NULL, '{2112,2212}', '{"{m}월 린넨 세탁비 ({cust})"}',
   4000000, 6000000, 1000, '{0100000010}', NULL, NULL, NULL),
  ('SECURITY',0, 28,   NULL, '{2130}', '{"{m}월 경비용역비 ({cust})"}',
   9000000, 9000000, 1, '{0100000012}', NULL, NULL, NULL);

-- Lines: account, side and amount: B base, V VAT (10%), BV base + VAT,
-- T income tax and I insurance withheld, N net pay, F card fee, BF base - fee.
CREATE TEMP TABLE demo_tpl_line (
  code      TEXT,
  line_no   INTEGER,
  acct_code TEXT,
  side      CHAR(1),
  amt_kind  TEXT
) ON COMMIT DROP;

INSERT INTO demo_tpl_line VALUES
  ('FOOD', 0, '7130510', 'D', 'B'),   ('FOOD', 1, '2110110', 'C', 'B'),
  ('PAYAP', 0, '2110110', 'D', 'B'),  ('PAYAP', 1, '1110120', 'C', 'B'),
  ('ROOMCARD', 0, '1110420', 'D', 'B'), ('ROOMCARD', 1, '5110110', 'C', 'B'),
  ('FBCASH', 0, '1110110', 'D', 'B'), ('FBCASH', 1, '5120110', 'C', 'B'),
  ('LIFT', 0, '1110420', 'D', 'B'),   ('LIFT', 1, '5130110', 'C', 'B'),
  ('WATERPK', 0, '1110420', 'D', 'B'), ('WATERPK', 1, '5130210', 'C', 'B'),
  ('GOLF', 0, '1110420', 'D', 'B'),   ('GOLF', 1, '5130310', 'C', 'B'),
  ('CARDIN', 0, '1110120', 'D', 'BF'), ('CARDIN', 1, '7130320', 'D', 'F'), ('CARDIN', 2, '1110420', 'C', 'B'),
  ('TRAVEL', 0, '7520220', 'D', 'B'), ('TRAVEL', 1, '1110110', 'C', 'B'),
  ('OFFICE', 0, '7530510', 'D', 'B'), ('OFFICE', 1, '2110320', 'C', 'B'),
  ('ENTER', 0, '7520310', 'D', 'B'),  ('ENTER', 1, '2110330', 'C', 'B'),
  ('FUEL', 0, '7530210', 'D', 'B'),   ('FUEL', 1, '2110330', 'C', 'B'),
  ('REPAIR', 0, '7120810', 'D', 'B'), ('REPAIR', 1, '2110320', 'C', 'B'),
  ('AGENCY', 0, '1110430', 'D', 'BV'), ('AGENCY', 1, '5110110', 'C', 'B'), ('AGENCY', 2, '2110530', 'C', 'V'),
  ('RESV', 0, '1110120', 'D', 'B'),   ('RESV', 1, '2110470', 'C', 'B'),
  ('BANKFEE', 0, '7530640', 'D', 'B'), ('BANKFEE', 1, '1110120', 'C', 'B'),
  ('AD', 0, '7530720', 'D', 'B'),     ('AD', 1, '1111220', 'D', 'V'), ('AD', 2, '2110320', 'C', 'BV'),
  ('PHONE', 0, '7520410', 'D', 'B'),  ('PHONE', 1, '1110120', 'C', 'B'),
  ('ITMAINT', 0, '7530630', 'D', 'B'), ('ITMAINT', 1, '2110320', 'C', 'B'),
  ('ELEC', 0, '7120410', 'D', 'B'),   ('ELEC', 1, '1110120', 'C', 'B'),
  ('WATER', 0, '7120420', 'D', 'B'),  ('WATER', 1, '1110120', 'C', 'B'),
  ('INTEREST', 0, '9210110', 'D', 'B'), ('INTEREST', 1, '1110120', 'C', 'B'),
  ('PAYHQ', 0, '7510120', 'D', 'B'),  ('PAYHQ', 1, '2110510', 'C', 'T'), ('PAYHQ', 2, '2110520', 'C', 'I'),
  ('PAYHQ', 3, '1110120', 'C', 'N'),
  ('PAYRES', 0, '7110110', 'D', 'B'), ('PAYRES', 1, '2110510', 'C', 'T'), ('PAYRES', 2, '2110520', 'C', 'I'),
  ('PAYRES', 3, '1110120', 'C', 'N'),
  ('CLEAN', 0, '7130330', 'D', 'B'),  ('CLEAN', 1, '1111220', 'D', 'V'), ('CLEAN', 2, '2110320', 'C', 'BV'),
  ('LINEN', 0, '7130410', 'D', 'B'),  ('LINEN', 1, '2110320', 'C', 'B'),
  ('SECURITY', 0, '7130340', 'D', 'B'), ('SECURITY', 1, '2110320', 'C', 'B');

-- Item values of the lines. Kinds: DEPT (writing department), EXP01/EXP02
-- (expense kind), CUST (customer), CNUM (its registration number as text),
-- C154 (customer with registration number), CNAME (its name as text), BANK
-- and ACCT (company bank and account), CARD, SUPPLY (base amount as typed),
-- DATE (slip date), NAME, APPNO (application number), LIT (literal values).
CREATE TEMP TABLE demo_tpl_item (
  code       TEXT,
  line_no    INTEGER,
  lineup_no  INTEGER,
  mg_code    TEXT,
  val_kind   TEXT,
  lit_detail TEXT,
  lit_name   TEXT
) ON COMMIT DROP;

INSERT INTO demo_tpl_item VALUES
  ('FOOD', 0, 1, '118', 'DEPT', NULL, NULL), ('FOOD', 0, 7, '501', 'EXP02', NULL, NULL),
  ('FOOD', 1, 1, '101', 'CUST', NULL, NULL), ('FOOD', 1, 2, '102', 'CNUM', NULL, NULL),
  ('PAYAP', 0, 1, '101', 'CUST', NULL, NULL), ('PAYAP', 0, 2, '102', 'CNUM', NULL, NULL),
  ('PAYAP', 1, 1, '103', 'BANK', NULL, NULL), ('PAYAP', 1, 2, '104', 'ACCT', NULL, NULL),
  ('ROOMCARD', 0, 1, '105', 'CARD', NULL, NULL), ('ROOMCARD', 1, 1, '118', 'DEPT', NULL, NULL),
  ('FBCASH', 1, 1, '118', 'DEPT', NULL, NULL),
  ('LIFT', 0, 1, '105', 'CARD', NULL, NULL), ('LIFT', 1, 1, '118', 'DEPT', NULL, NULL),
  ('WATERPK', 0, 1, '105', 'CARD', NULL, NULL), ('WATERPK', 1, 1, '118', 'DEPT', NULL, NULL),
  ('GOLF', 0, 1, '105', 'CARD', NULL, NULL), ('GOLF', 1, 1, '118', 'DEPT', NULL, NULL),
  ('CARDIN', 0, 1, '103', 'BANK', NULL, NULL), ('CARDIN', 0, 2, '104', 'ACCT', NULL, NULL),
  ('CARDIN', 1, 1, '118', 'DEPT', NULL, NULL), ('CARDIN', 1, 7, '501', 'EXP02', NULL, NULL),
  ('CARDIN', 2, 1, '105', 'CARD', NULL, NULL),
  ('TRAVEL', 0, 1, '141', 'DEPT', NULL, NULL), ('TRAVEL', 0, 7, '501', 'EXP01', NULL, NULL),
  ('OFFICE', 0, 1, '141', 'DEPT', NULL, NULL), ('OFFICE', 0, 2, '101', 'CUST', NULL, NULL),
  ('OFFICE', 0, 7, '501', 'EXP01', NULL, NULL),
  ('OFFICE', 1, 1, '101', 'CUST', NULL, NULL), ('OFFICE', 1, 2, '102', 'CNUM', NULL, NULL),
  ('ENTER', 0, 1, '141', 'DEPT', NULL, NULL), ('ENTER', 0, 7, '501', 'EXP01', NULL, NULL),
  ('ENTER', 1, 1, '105', 'CARD', NULL, NULL),
  ('FUEL', 0, 1, '141', 'DEPT', NULL, NULL), ('FUEL', 0, 7, '501', 'EXP01', NULL, NULL),
  ('FUEL', 1, 1, '105', 'CARD', NULL, NULL),
  ('REPAIR', 0, 1, '118', 'DEPT', NULL, NULL), ('REPAIR', 0, 2, '101', 'CUST', NULL, NULL),
  ('REPAIR', 0, 7, '501', 'EXP02', NULL, NULL),
  ('REPAIR', 1, 1, '101', 'CUST', NULL, NULL), ('REPAIR', 1, 2, '102', 'CNUM', NULL, NULL),
  ('AGENCY', 0, 1, '101', 'CUST', NULL, NULL), ('AGENCY', 0, 2, '102', 'CNUM', NULL, NULL),
  ('AGENCY', 1, 1, '118', 'DEPT', NULL, NULL), ('AGENCY', 1, 2, '101', 'CUST', NULL, NULL),
  ('AGENCY', 2, 1, '154', 'C154', NULL, NULL), ('AGENCY', 2, 2, '155', 'CNAME', NULL, NULL),
  ('AGENCY', 2, 3, '110', 'SUPPLY', NULL, NULL), ('AGENCY', 2, 4, '124', 'DATE', NULL, NULL),
  ('RESV', 0, 1, '103', 'BANK', NULL, NULL), ('RESV', 0, 2, '104', 'ACCT', NULL, NULL),
  ('RESV', 1, 1, '140', 'NAME', NULL, NULL), ('RESV', 1, 2, '165', 'LIT', '1', '보통예금'),
  ('RESV', 1, 3, '166', 'APPNO', NULL, NULL),
  ('BANKFEE', 0, 1, '141', 'DEPT', NULL, NULL), ('BANKFEE', 0, 7, '501', 'EXP01', NULL, NULL),
  ('BANKFEE', 1, 1, '103', 'BANK', NULL, NULL), ('BANKFEE', 1, 2, '104', 'ACCT', NULL, NULL),
  ('AD', 0, 1, '141', 'DEPT', NULL, NULL), ('AD', 0, 2, '101', 'CUST', NULL, NULL),
  ('AD', 0, 7, '501', 'EXP01', NULL, NULL),
  ('AD', 1, 1, '154', 'C154', NULL, NULL), ('AD', 1, 2, '155', 'CNAME', NULL, NULL),
  ('AD', 1, 3, '110', 'SUPPLY', NULL, NULL), ('AD', 1, 4, '124', 'DATE', NULL, NULL),
  ('AD', 2, 1, '101', 'CUST', NULL, NULL), ('AD', 2, 2, '102', 'CNUM', NULL, NULL),
  ('PHONE', 0, 1, '141', 'DEPT', NULL, NULL), ('PHONE', 0, 7, '501', 'EXP01', NULL, NULL),
  ('PHONE', 1, 1, '103', 'BANK', NULL, NULL), ('PHONE', 1, 2, '104', 'ACCT', NULL, NULL),
  ('ITMAINT', 0, 1, '141', 'DEPT', NULL, NULL), ('ITMAINT', 0, 2, '101', 'CUST', NULL, NULL),
  ('ITMAINT', 0, 7, '501', 'EXP01', NULL, NULL),
  ('ITMAINT', 1, 1, '101', 'CUST', NULL, NULL), ('ITMAINT', 1, 2, '102', 'CNUM', NULL, NULL),
  ('ELEC', 0, 1, '118', 'DEPT', NULL, NULL), ('ELEC', 0, 2, '101', 'CUST', NULL, NULL),
  ('ELEC', 0, 7, '501', 'EXP02', NULL, NULL),
  ('ELEC', 1, 1, '103', 'BANK', NULL, NULL), ('ELEC', 1, 2, '104', 'ACCT', NULL, NULL),
  ('WATER', 0, 1, '118', 'DEPT', NULL, NULL), ('WATER', 0, 7, '501', 'EXP02', NULL, NULL),
  ('WATER', 1, 1, '103', 'BANK', NULL, NULL), ('WATER', 1, 2, '104', 'ACCT', NULL, NULL),
  ('INTEREST', 0, 1, '141', 'DEPT', NULL, NULL), ('INTEREST', 0, 2, '103', 'LIT', '0300000007', '한국산업은행'),
  ('INTEREST', 0, 3, '156', 'LIT', 'KDB-2022-0101', NULL),
  ('INTEREST', 1, 1, '103', 'BANK', NULL, NULL), ('INTEREST', 1, 2, '104', 'ACCT', NULL, NULL),
  ('PAYHQ', 0, 1, '141', 'DEPT', NULL, NULL), ('PAYHQ', 0, 7, '501', 'EXP01', NULL, NULL),
  ('PAYHQ', 3, 1, '103', 'BANK', NULL, NULL), ('PAYHQ', 3, 2, '104', 'ACCT', NULL, NULL),
  ('PAYRES', 0, 1, '118', 'DEPT', NULL, NULL), ('PAYRES', 0, 7, '501', 'EXP02', NULL, NULL),
  ('PAYRES', 3, 1, '103', 'BANK', NULL, NULL), ('PAYRES', 3, 2, '104', 'ACCT', NULL, NULL),
  ('CLEAN', 0, 1, '118', 'DEPT', NULL, NULL), ('CLEAN', 0, 2, '101', 'CUST', NULL, NULL),
  ('CLEAN', 0, 7, '501', 'EXP02', NULL, NULL),
  ('CLEAN', 1, 1, '154', 'C154', NULL, NULL), ('CLEAN', 1, 2, '155', 'CNAME', NULL, NULL),
  ('CLEAN', 1, 3, '110', 'SUPPLY', NULL, NULL), ('CLEAN', 1, 4, '124', 'DATE', NULL, NULL),
  ('CLEAN', 2, 1, '101', 'CUST', NULL, NULL), ('CLEAN', 2, 2, '102', 'CNUM', NULL, NULL),
  ('LINEN', 0, 1, '118', 'DEPT', NULL, NULL), ('LINEN', 0, 2, '101', 'CUST', NULL, NULL),
  ('LINEN', 0, 7, '501', 'EXP02', NULL, NULL),
  ('LINEN', 1, 1, '101', 'CUST', NULL, NULL), ('LINEN', 1, 2, '102', 'CNUM', NULL, NULL),
  ('SECURITY', 0, 1, '118', 'DEPT', NULL, NULL), ('SECURITY', 0, 2, '101', 'CUST', NULL, NULL),
  ('SECURITY', 0, 7, '501', 'EXP02', NULL, NULL),
  ('SECURITY', 1, 1, '101', 'CUST', NULL, NULL), ('SECURITY', 1, 2, '102', 'CNUM', NULL, NULL);

-- The slips: monthly ones on their day (moved off weekends) and random ones
-- per business day, from 2025-01-02 to today (2026-12-10).
CREATE TEMP TABLE demo_slip ON COMMIT DROP AS
WITH days AS (
  SELECT d::DATE AS d
    FROM generate_series(DATE '2025-01-02', DATE '2026-12-10', INTERVAL '1 day') d
   WHERE extract(ISODOW FROM d) < 6
),
randoms AS (
  SELECT d, k
    FROM days,
         generate_series(1, CASE WHEN d >= DATE '2026-11-01' THEN 5 + pg_temp.h(d::TEXT || 'n') % 5
                                 ELSE pg_temp.h(d::TEXT || 'n') % 2 END) k
),
weights AS (
  SELECT m, code, weight,
         sum(weight) OVER (PARTITION BY m ORDER BY code) AS hi,
         sum(weight) OVER (PARTITION BY m) AS tot
    FROM generate_series(1, 12) m, demo_tpl
   WHERE weight > 0 AND (months IS NULL OR m = ANY (months))
),
picked AS (
  SELECT r.d, w.code, r.d::TEXT || '/' || r.k AS salt
    FROM randoms r
    JOIN weights w ON w.m = extract(MONTH FROM r.d)
   WHERE pg_temp.h(r.d::TEXT || '/' || r.k) % w.tot >= w.hi - w.weight
     AND pg_temp.h(r.d::TEXT || '/' || r.k) % w.tot < w.hi
  UNION ALL
  SELECT x.d, x.code, x.d::TEXT || '/' || x.code
    FROM (SELECT t.code,
                 make_date(y, m, t.fixed_day)
                 + CASE extract(ISODOW FROM make_date(y, m, t.fixed_day)) WHEN 6 THEN 2 WHEN 7 THEN 1 ELSE 0 END AS d
            FROM demo_tpl t, generate_series(2025, 2026) y, generate_series(1, 12) m
           WHERE t.weight = 0) x
   WHERE x.d <= DATE '2026-12-10'
)
SELECT p.d AS slip_date, p.code, p.salt,
       t.depts[1 + pg_temp.h(p.salt || 'dept') % cardinality(t.depts)] AS dept_code,
       t.custs[1 + pg_temp.h(p.salt || 'cust') % coalesce(cardinality(t.custs), 1)] AS c_code,
       (ARRAY['0400000031', '0400000032', '0400000033', '0400000034'])[1 + pg_temp.h(p.salt || 'card') % 4] AS card_code,
       t.names[1 + pg_temp.h(p.salt || 'name') % coalesce(cardinality(t.names), 1)] AS person,
       t.amt_min + (pg_temp.h(p.salt || 'amt') % ((t.amt_max - t.amt_min) / t.unit + 1)) * t.unit AS base,
       t.remarks[1 + pg_temp.h(p.salt || 'rem') % cardinality(t.remarks)] AS remark,
       t.bank_code, t.bank_acct,
       row_number() OVER (PARTITION BY extract(YEAR FROM p.d) ORDER BY p.d, p.code, p.salt) AS no_in_year,
       CAST(NULL AS VARCHAR(8)) AS slip_no,
       CAST(NULL AS DATE) AS conf_date,
       'N'::CHAR(1) AS del_yn,
       CAST(NULL AS TEXT) AS emp_no
  FROM picked p JOIN demo_tpl t ON t.code = p.code;

UPDATE demo_slip s
   SET slip_no = 'K' || to_char(s.slip_date, 'YY') || lpad(s.no_in_year::TEXT, 5, '0'),
       remark = replace(replace(replace(replace(s.remark,
                  '{m}', extract(MONTH FROM s.slip_date)::TEXT),
                  '{cust}', coalesce((SELECT c_name FROM va050ms WHERE c_code = s.c_code), '')),
                  '{card}', (SELECT c_name FROM va050ms WHERE c_code = s.card_code)),
                  '{name}', coalesce(s.person, '')),
       emp_no = CASE
                  WHEN s.dept_code LIKE '111_' THEN '2001'
                  WHEN s.dept_code LIKE '11__' THEN '2002'
                  WHEN s.dept_code LIKE '12__' THEN '2003'
                  WHEN s.dept_code IN ('2110', '2111', '2112') THEN '3001'
                  WHEN s.dept_code LIKE '212_' THEN '3002'
                  WHEN s.dept_code LIKE '213_' THEN '3003'
                  WHEN s.dept_code LIKE '21__' THEN '2004'
                  ELSE '3004'
                END;

-- Deleted: a few random everyday slips. Confirmed: the rest, one to three
-- business days after writing, except the slips of the last days and some
-- of late November that are still waiting.
UPDATE demo_slip SET del_yn = 'Y'
 WHERE code IN (SELECT code FROM demo_tpl WHERE weight > 0)
   AND pg_temp.h(salt || 'del') % 25 = 0;

UPDATE demo_slip s
   SET conf_date = least(DATE '2026-12-10', make_date(extract(YEAR FROM s.slip_date)::INTEGER, 12, 31),
                         c + CASE extract(ISODOW FROM c) WHEN 6 THEN 2 WHEN 7 THEN 1 ELSE 0 END)
  FROM (SELECT salt, slip_date + (pg_temp.h(salt || 'conf') % 3) AS c FROM demo_slip) x
 WHERE x.salt = s.salt
   AND s.del_yn = 'N'
   AND (s.slip_date < DATE '2026-11-23'
        OR (s.slip_date < DATE '2026-12-07' AND pg_temp.h(s.salt || 'wait') % 4 <> 0)
        OR pg_temp.h(s.salt || 'wait') % 5 = 0);

-- Lines with their amounts.
CREATE TEMP TABLE demo_line ON COMMIT DROP AS
SELECT s.slip_no, l.line_no AS slip_seq_no, l.acct_code, s.remark,
       CASE WHEN l.side = 'D' THEN a.amt ELSE 0 END AS d_amount,
       CASE WHEN l.side = 'C' THEN a.amt ELSE 0 END AS c_amount,
       s.conf_date, s.slip_date, s.salt, l.code, l.line_no
  FROM demo_slip s
  JOIN demo_tpl_line l ON l.code = s.code
  CROSS JOIN LATERAL (
    SELECT CASE l.amt_kind
             WHEN 'B'  THEN s.base
             WHEN 'V'  THEN round(s.base * 0.1)
             WHEN 'BV' THEN s.base + round(s.base * 0.1)
             WHEN 'T'  THEN round(s.base * 0.045, -1)
             WHEN 'I'  THEN round(s.base * 0.09, -1)
             WHEN 'N'  THEN s.base - round(s.base * 0.045, -1) - round(s.base * 0.09, -1)
             WHEN 'F'  THEN round(s.base * 0.021, -1)
             WHEN 'BF' THEN s.base - round(s.base * 0.021, -1)
           END AS amt) a;

INSERT INTO vb010ms (slip_no, dept_code, slip_date, acc_date, slip_conf_yn, slip_del_yn, conf_date, conf_emp_no,
                     total_d_amt, total_c_amt, cr_emp_no, session_id, slip_kind, slip_type, sys_id,
                     u_date, u_ip, u_emp_no)
SELECT s.slip_no, s.dept_code, s.slip_date, s.slip_date,
       CASE WHEN s.conf_date IS NULL THEN 'N' ELSE 'Y' END, s.del_yn, s.conf_date,
       CASE WHEN s.conf_date IS NULL THEN NULL ELSE '2003' END,
       (SELECT sum(d_amount) FROM demo_line l WHERE l.slip_no = s.slip_no),
       (SELECT sum(c_amount) FROM demo_line l WHERE l.slip_no = s.slip_no),
       s.emp_no, CASE WHEN s.slip_date < DATE '2026-01-01' THEN 26 ELSE 27 END, 'K', '1', 'V',
       s.slip_date + TIME '09:00' + (pg_temp.h(s.salt || 'time') % 540) * INTERVAL '1 minute',
       '10.10.' || CASE WHEN s.dept_code LIKE '1%' THEN '1.' ELSE '2.' END || (20 + pg_temp.h(s.emp_no) % 60),
       s.emp_no
  FROM demo_slip s;

INSERT INTO vb011ms (slip_no, slip_seq_no, acct_code, ref_data, d_amount, c_amount, vat_amount, conf_date, session_id)
SELECT l.slip_no, l.slip_seq_no, l.acct_code, l.remark, l.d_amount, l.c_amount, NULL, l.conf_date,
       CASE WHEN l.slip_date < DATE '2026-01-01' THEN 26 ELSE 27 END
  FROM demo_line l;

INSERT INTO vb011dt (slip_no, slip_seq_no, lineup_no, mg_code, mg_detail, mg_detail_name, acct_code,
                     d_amount, c_amount, conf_date, session_id)
SELECT l.slip_no, l.slip_seq_no, i.lineup_no, i.mg_code, v.detail, nullif(v.name, ''), l.acct_code,
       l.d_amount, l.c_amount, l.conf_date, CASE WHEN l.slip_date < DATE '2026-01-01' THEN 26 ELSE 27 END
  FROM demo_line l
  JOIN demo_slip s ON s.slip_no = l.slip_no
  JOIN demo_tpl_item i ON i.code = l.code AND i.line_no = l.line_no
  CROSS JOIN LATERAL (
    SELECT CASE i.val_kind
             WHEN 'DEPT'   THEN s.dept_code
             WHEN 'EXP01'  THEN '01'
             WHEN 'EXP02'  THEN '02'
             WHEN 'CUST'   THEN s.c_code
             WHEN 'CNUM'   THEN (SELECT c_num FROM va050ms WHERE c_code = s.c_code)
             WHEN 'C154'   THEN s.c_code
             WHEN 'CNAME'  THEN (SELECT c_name FROM va050ms WHERE c_code = s.c_code)
             WHEN 'BANK'   THEN s.bank_code
             WHEN 'ACCT'   THEN s.bank_acct
             WHEN 'CARD'   THEN s.card_code
             WHEN 'SUPPLY' THEN to_char(s.base, 'FM999,999,999,990')
             WHEN 'DATE'   THEN to_char(s.slip_date, 'YYYY-MM-DD')
             WHEN 'NAME'   THEN s.person
             WHEN 'APPNO'  THEN 'R' || to_char(s.slip_date, 'YYMMDD') || lpad((pg_temp.h(s.salt) % 1000)::TEXT, 3, '0')
             WHEN 'LIT'    THEN i.lit_detail
           END AS detail,
           CASE i.val_kind
             WHEN 'DEPT'  THEN (SELECT aff_dept_name FROM va160ms WHERE aff_dept_code = s.dept_code)
             WHEN 'EXP01' THEN '판관비'
             WHEN 'EXP02' THEN '원가'
             WHEN 'CUST'  THEN (SELECT c_name FROM va050ms WHERE c_code = s.c_code)
             WHEN 'C154'  THEN (SELECT c_num FROM va050ms WHERE c_code = s.c_code)
             WHEN 'BANK'  THEN (SELECT c_name FROM va050ms WHERE c_code = s.bank_code)
             WHEN 'ACCT'  THEN (SELECT d_name FROM va051ms WHERE c_code = s.bank_code AND d_account = s.bank_acct)
             WHEN 'CARD'  THEN (SELECT c_name FROM va050ms WHERE c_code = s.card_code)
             WHEN 'APPNO' THEN CASE WHEN s.conf_date IS NULL THEN 'N' ELSE 'Y' END
             WHEN 'LIT'   THEN i.lit_name
           END AS name) v
 WHERE v.detail IS NOT NULL;

-- 2025 is past data too: a copy of its slips in BKUSER.
INSERT INTO bkuser.vb010ms SELECT * FROM vb010ms WHERE slip_date < DATE '2026-01-01';
INSERT INTO bkuser.vb011ms SELECT l.* FROM vb011ms l JOIN vb010ms h ON h.slip_no = l.slip_no
 WHERE h.slip_date < DATE '2026-01-01';
INSERT INTO bkuser.vb011dt SELECT i.* FROM vb011dt i JOIN vb010ms h ON h.slip_no = i.slip_no
 WHERE h.slip_date < DATE '2026-01-01';

-- Monthly sums of the past term per account: the month's confirmed debits and
-- credits, the term-to-date totals and the balance at month end.
INSERT INTO bkuser.vb071ms (sum_month, acct_code, d_amount, c_amount, bal_amount, bd_amount, bc_amount,
                            u_date, u_emp_no)
SELECT ym, acct_code, d, c,
       sum(d - c) OVER w, sum(d) OVER w, sum(c) OVER w,
       TIMESTAMP '2026-01-05 18:00:00', '2003'
  FROM (SELECT to_char(m, 'YYYYMM') AS ym, a.acct_code,
               coalesce(sum(l.d_amount), 0) AS d, coalesce(sum(l.c_amount), 0) AS c
          FROM generate_series(DATE '2025-01-01', DATE '2025-12-01', INTERVAL '1 month') m
          CROSS JOIN (SELECT DISTINCT acct_code FROM bkuser.vb011ms WHERE conf_date IS NOT NULL) a
          LEFT JOIN bkuser.vb011ms l
            ON l.acct_code = a.acct_code AND l.conf_date IS NOT NULL
           AND to_char(l.conf_date, 'YYYYMM') = to_char(m, 'YYYYMM')
         GROUP BY 1, 2) x
WINDOW w AS (PARTITION BY acct_code ORDER BY ym);

-- New numbers continue after the demo slips of each year.
SELECT setval('pk_v_slip_01.slip_no_2025',
              (SELECT coalesce(max(substr(slip_no, 4)::INTEGER), 0) + 1 FROM bkuser.vb010ms), false);
SELECT setval('pk_v_slip_01.slip_no_2026',
              (SELECT coalesce(max(substr(slip_no, 4)::INTEGER), 0) + 1 FROM vb010ms WHERE slip_no LIKE 'K26%'), false);
