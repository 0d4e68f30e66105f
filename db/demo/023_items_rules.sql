-- Management items and account rules.
--
-- Lookup statements (CON_CODE) are run by the code lookup as they stand, with
-- their one named parameter bound to the typed text followed by '%' (for item
-- 104 the bank code of the column before).  Each clause keeps its own line
-- (FROM, WHERE, AND ..., ORDER BY) because the lookup window adds its own
-- filter as a new line after the last AND line.  Where several columns answer
-- to the typed text, the parameter is read once into K.KEY_TEXT.

INSERT INTO va030ms (mg_code, mg_name, mg_type, p_mg_code, bal_yn, con_code, u_ip, u_emp_no)
SELECT c, n, t, p, b, s, '127.0.0.1', '1001'
  FROM (VALUES
  ('101', '거래처', '2', NULL, 'Y',
'SELECT C.C_CODE, C.C_NAME, C.BOSS_NAME, C.C_NUM
  FROM VA050MS C,
       (SELECT CAST(:cust_cd AS VARCHAR(100)) AS KEY_TEXT) K
 WHERE C.USE_YN = ''Y''
   AND (C.C_CODE LIKE K.KEY_TEXT OR REPLACE(C.C_NUM, ''-'', '''') LIKE K.KEY_TEXT OR C.C_NAME LIKE K.KEY_TEXT)
 ORDER BY C.C_CODE'),
  ('102', '사업자번호(문자형)', '1', '101', 'N', NULL),
  ('103', '은행', '2', NULL, 'Y',
'SELECT C.C_CODE, C.C_NAME
  FROM VA050MS C,
       (SELECT CAST(:bank_cd AS VARCHAR(100)) AS KEY_TEXT) K
 WHERE C.C_KIND = ''03''
   AND C.USE_YN = ''Y''
   AND (C.C_CODE LIKE K.KEY_TEXT OR C.C_NAME LIKE K.KEY_TEXT)
 ORDER BY C.C_CODE'),
  ('104', '계좌번호', '2', '103', 'Y',
'SELECT D_ACCOUNT, D_NAME, C_CODE
  FROM VA051MS
 WHERE USE_YN = ''Y''
   AND C_CODE LIKE :bank_cd
 ORDER BY C_CODE, D_ACCOUNT'),
  ('105', '카드사', '2', NULL, 'Y',
'SELECT C.C_CODE, C.C_NAME
  FROM VA050MS C,
       (SELECT CAST(:card_cd AS VARCHAR(100)) AS KEY_TEXT) K
 WHERE C.C_KIND = ''04''
   AND C.USE_YN = ''Y''
   AND (C.C_CODE LIKE K.KEY_TEXT OR C.C_NAME LIKE K.KEY_TEXT)
 ORDER BY C.C_CODE'),
  ('110', '공급가액', '0', NULL, 'N', NULL),
  ('116', '지급어음', '2', NULL, 'Y',
'SELECT A.FIN_INST_CD, B.C_NAME, A.BILL_NO
  FROM VF060MS A, VA050MS B
 WHERE A.FIN_INST_CD = B.C_CODE
   AND A.BILL_CLF = ''1''
   AND A.BILL_PROC_CD IN (''0'', ''1'')
   AND A.BILL_NO LIKE :bill_no
 ORDER BY A.FIN_INST_CD, A.BILL_NO'),
  ('117', '받을어음', '2', NULL, 'Y',
'SELECT A.PAY_BANK_CD, A.PAY_BANK_NM, TO_CHAR(A.EXP_DT, ''YYYY-MM-DD'') AS EXP_DT, A.BILL_NO, A.BILL_AMT
  FROM VF010MS A
 WHERE A.BILL_PROC_CD = ''0''
   AND A.BILL_NO LIKE :bill_no
 ORDER BY A.EXP_DT, A.BILL_NO'),
  ('118', '원가부서', '2', NULL, 'N',
'SELECT AFF_DEPT_CODE, AFF_DEPT_NAME
  FROM VA160MS
 WHERE USE_YN = ''Y''
   AND DEPT_AFF_YN = ''N''
   AND DEPT_TYPE IN (''2'', ''3'', ''4'')
   AND AFF_DEPT_CODE LIKE :dept_cd
 ORDER BY AFF_DEPT_CODE'),
  ('119', '어음번호', '1', '117', 'N', NULL),
  ('120', '자산코드', '2', NULL, 'N',
'SELECT VSFX_CODE, ASET_NM
  FROM VM010MS
 WHERE SAL_WASTE_YN <> ''Y''
   AND VSFX_CODE LIKE :asset_cd
 ORDER BY VSFX_CODE'),
  ('124', '계산서일자', '1', NULL, 'N', NULL),
  ('125', '어음만기일', '1', '117', 'N', NULL),
  ('126', '발행일자', '1', NULL, 'N', NULL),
  ('127', '만기일자', '1', NULL, 'N', NULL),
  ('128', '상환예정일', '1', NULL, 'N', NULL),
  ('130', '사원', '2', NULL, 'Y',
'SELECT EMP_NO, EMP_K_NAME
  FROM QA010MS
 WHERE EMP_NO LIKE :emp_no
 ORDER BY EMP_NO'),
  ('140', '입금자', '1', NULL, 'N', NULL),
  ('141', '판관부서', '2', NULL, 'N',
'SELECT AFF_DEPT_CODE, AFF_DEPT_NAME
  FROM VA160MS
 WHERE USE_YN = ''Y''
   AND DEPT_AFF_YN = ''P''
   AND DEPT_TYPE IN (''2'', ''3'', ''4'')
   AND AFF_DEPT_CODE LIKE :dept_cd
 ORDER BY AFF_DEPT_CODE'),
  ('154', '거래처(사업자)', '2', NULL, 'Y',
'SELECT C.C_CODE, C.C_NAME, C.BOSS_NAME, C.C_NUM
  FROM VA050MS C,
       (SELECT CAST(:cust_cd AS VARCHAR(100)) AS KEY_TEXT) K
 WHERE C.USE_YN = ''Y''
   AND C.C_NUM IS NOT NULL
   AND (C.C_CODE LIKE K.KEY_TEXT OR REPLACE(C.C_NUM, ''-'', '''') LIKE K.KEY_TEXT OR C.C_NAME LIKE K.KEY_TEXT)
 ORDER BY C.C_CODE'),
  ('155', '거래처명(문자형)', '1', '154', 'N', NULL),
  ('156', '차입번호', '1', NULL, 'Y', NULL),
  ('157', '증권번호', '1', NULL, 'N', NULL),
  ('165', '입금방법', '2', NULL, 'N',
'SELECT DETAIL, DETAIL_NAME
  FROM ZX010MS
 WHERE HEAD = ''V0031''
   AND DETAIL <> '' ''
   AND DETAIL LIKE :way_cd
 ORDER BY DETAIL'),
  ('166', '신청번호', '1', NULL, 'N', NULL),
  ('501', '지출구분', '2', NULL, 'N',
'SELECT GUBUN_CODE, GUBUN_NAME
  FROM VX011MS
 WHERE CODE_LENGTH = ''2''
   AND GUBUN_CODE LIKE :gubun_cd
 ORDER BY GUBUN_CODE'),
  ('998', '영업수지코드', '2', NULL, 'N',
'SELECT V.BU_ACCT_CODE, V.BU_ACCT_SNAME, V.BU_ACCT_NAME
  FROM VX010MS V,
       (SELECT CAST(:bu_cd AS VARCHAR(100)) AS KEY_TEXT) K
 WHERE V.USE_YN = ''Y''
   AND (V.BU_ACCT_CODE LIKE K.KEY_TEXT OR V.BU_ACCT_SNAME LIKE K.KEY_TEXT)
 ORDER BY V.BU_ACCT_CODE')
  ) AS v(c, n, t, p, b, s);

-- Rules by account family: (accounts, item, position, required on debit,
-- required on credit, balance order).  Only slip-bearing accounts get rules.
CREATE TEMP TABLE rule_src (
  acct_pattern TEXT,
  mg_code      VARCHAR(3),
  lineup_no    INTEGER,
  d_must       CHAR(1),
  c_must       CHAR(1),
  bal_no       INTEGER
);

INSERT INTO rule_src VALUES
  -- bank deposits: bank and account number
  ('^11101[2-4]0$|^11102[1-9]0$', '103', 1, 'Y', 'Y', 1),
  ('^11101[2-4]0$|^11102[1-9]0$', '104', 2, 'Y', 'Y', 2),
  ('^11101[2-4]0$|^11102[1-9]0$', '101', 3, 'N', 'N', 0),
  ('^11102[1-9]0$',               '126', 4, 'N', 'N', 0),
  ('^11102[1-9]0$',               '127', 5, 'N', 'N', 0),
  -- securities: bank, account, counterpart, securities number, dates
  ('^11103[1-9]0$', '103', 1, 'Y', 'N', 1),
  ('^11103[1-9]0$', '104', 2, 'N', 'N', 0),
  ('^11103[1-9]0$', '155', 3, 'N', 'N', 0),
  ('^11103[1-9]0$', '157', 4, 'Y', 'N', 2),
  ('^11103[1-9]0$', '126', 5, 'N', 'N', 0),
  ('^11103[1-9]0$', '127', 6, 'N', 'N', 0),
  -- receivables by customer; card sales by card company
  ('^1110410$|^1110430$|^1110710$|^1110720$', '101', 1, 'Y', 'Y', 1),
  ('^1110410$|^1110430$|^1110710$|^1110720$', '102', 2, 'N', 'N', 0),
  ('^1110420$', '105', 1, 'Y', 'Y', 1),
  -- notes receivable: the note, its maturity and number, the customer
  ('^1110510$', '117', 1, 'Y', 'Y', 1),
  ('^1110510$', '125', 2, 'N', 'N', 0),
  ('^1110510$', '119', 3, 'Y', 'Y', 2),
  ('^1110510$', '101', 4, 'N', 'N', 0),
  -- loans and advances
  ('^1110610$|^1110910$|^1320110$|^13202[1-3]0$', '101', 1, 'Y', 'Y', 1),
  ('^1110620$|^11113[12]0$', '130', 1, 'Y', 'Y', 1),
  ('^1110620$', '128', 2, 'N', 'N', 0),
  ('^11113[12]0$', '141', 2, 'N', 'N', 0),
  -- VAT receivable
  ('^1111220$', '154', 1, 'Y', 'N', 1),
  ('^1111220$', '155', 2, 'N', 'N', 0),
  ('^1111220$', '110', 3, 'Y', 'N', 0),
  ('^1111220$', '124', 4, 'Y', 'N', 0),
  -- fixed assets (not their contra accounts)
  ('^1330[1-9]00$|^1340[1-4]00$', '120', 1, 'N', 'N', 0),
  ('^1330[1-9]00$|^1340[1-4]00$', '118', 2, 'N', 'N', 0),
  -- payables by customer
  ('^2110110$|^2110320$', '101', 1, 'Y', 'Y', 1),
  ('^2110110$|^2110320$', '102', 2, 'N', 'N', 0),
  ('^2110310$|^2110910$', '101', 1, 'N', 'N', 0),
  ('^2110330$', '105', 1, 'Y', 'Y', 1),
  -- notes payable: bank, payee, note number, issue and maturity dates
  ('^2110120$', '103', 1, 'Y', 'Y', 1),
  ('^2110120$', '154', 2, 'N', 'Y', 0),
  ('^2110120$', '155', 3, 'N', 'N', 0),
  ('^2110120$', '116', 4, 'Y', 'Y', 2),
  ('^2110120$', '126', 6, 'N', 'Y', 0),
  ('^2110120$', '127', 7, 'N', 'Y', 0),
  -- advances and deposits received
  ('^21104[12]0$|^2230110$|^22302[12]0$', '101', 1, 'Y', 'Y', 1),
  ('^2110470$', '140', 1, 'N', 'Y', 0),
  ('^2110470$', '165', 2, 'N', 'Y', 0),
  ('^2110470$', '166', 3, 'N', 'N', 0),
  -- VAT payable
  ('^2110530$', '154', 1, 'N', 'Y', 1),
  ('^2110530$', '155', 2, 'N', 'N', 0),
  ('^2110530$', '110', 3, 'N', 'Y', 0),
  ('^2110530$', '124', 4, 'N', 'Y', 0),
  -- borrowings: bank and loan number
  ('^2110610$|^2110710$|^22101[12]0$', '103', 1, 'Y', 'Y', 1),
  ('^2110610$|^2110710$|^22101[12]0$', '156', 2, 'Y', 'Y', 2),
  ('^2110610$|^2110710$|^22101[12]0$', '128', 3, 'N', 'N', 0),
  -- revenue by cost department
  ('^5[0-9]{6}$', '118', 1, 'N', 'Y', 0),
  ('^5[0-9]{6}$', '101', 2, 'N', 'N', 0),
  ('^5[0-9]{6}$', '998', 6, 'N', 'N', 0),
  -- operating costs: cost department, expense kind '02:원가'
  ('^71[0-9]{5}$', '118', 1, 'Y', 'N', 0),
  ('^71[0-9]{5}$', '101', 2, 'N', 'N', 0),
  ('^71[0-9]{5}$', '998', 6, 'N', 'N', 0),
  ('^71[0-9]{5}$', '501', 7, 'Y', 'N', 0),
  -- selling and administrative: department, expense kind '01:판관비'
  ('^75[0-9]{5}$', '141', 1, 'Y', 'N', 0),
  ('^75[0-9]{5}$', '101', 2, 'N', 'N', 0),
  ('^75[0-9]{5}$', '998', 6, 'N', 'N', 0),
  ('^75[0-9]{5}$', '501', 7, 'Y', 'N', 0),
  -- non-operating: department; interest by loan
  ('^9[0-9]{6}$', '141', 1, 'N', 'N', 0),
  ('^9210110$', '103', 2, 'N', 'N', 0),
  ('^9210110$', '156', 3, 'N', 'N', 0);

INSERT INTO va040ms (acct_code, mg_code, lineup_no, d_must, c_must, use_yn, bal_no, u_ip, u_emp_no)
SELECT a.acct_code, r.mg_code, r.lineup_no, r.d_must, r.c_must, 'Y', r.bal_no, '127.0.0.1', '1001'
  FROM va020ms a
  JOIN rule_src r ON a.acct_code ~ r.acct_pattern
 WHERE a.slip_yn = 'Y';

-- Staff meals no longer name a customer: the rule is kept but out of force.
UPDATE va040ms SET use_yn = 'N' WHERE acct_code = '7520110' AND lineup_no = 2;

DROP TABLE rule_src;
