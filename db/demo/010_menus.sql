-- Menus and program authority of the accounting client (project TVACCT).

INSERT INTO za040ms (project_id, menu_id, menu_name, display_seq, u_ip, u_emp_no) VALUES
  ('TVACCT', 'VA', '기준정보(&A)',   1, '127.0.0.1', '1001'),
  ('TVACCT', 'VB', '전표(&B)',       2, '127.0.0.1', '1001'),
  ('TVACCT', 'VC', '장부(&C)',       3, '127.0.0.1', '1001'),
  ('TVACCT', 'VD', '재무제표(&D)',   4, '127.0.0.1', '1001'),
  ('TVACCT', 'VE', '세금계산서(&E)', 5, '127.0.0.1', '1001'),
  ('TVACCT', 'VF', '어음(&F)',       6, '127.0.0.1', '1001'),
  ('TVACCT', 'VG', '자금(&G)',       7, '127.0.0.1', '1001'),
  ('TVACCT', 'VH', '원가명세서(&H)', 8, '127.0.0.1', '1001'),
  ('TVACCT', 'VM', '고정자산(&M)',   9, '127.0.0.1', '1001'),
  ('TVACCT', 'VK', '마감(&K)',      10, '127.0.0.1', '1001');

INSERT INTO za050ms (project_id, menu_id, program_id, program_name, display_seq, u_ip, u_emp_no)
SELECT 'TVACCT', m, p, n, s, '127.0.0.1', '1001'
  FROM (VALUES
  -- 기준정보
  ('VA', 'VAI010', '사용자 권한 등록',              1),
  ('VA', 'VAI005', '부서코드 등록',                 2),
  ('VA', 'VAS005', '부서 조직도',                   3),
  ('VA', 'VAI020', '계정코드 등록',                 4),
  ('VA', 'VAI030', '관리항목 등록',                 5),
  ('VA', 'VAI040', '계정별 관리항목 등록',          6),
  ('VA', 'VAI050', '거래처 등록',                   7),
  ('VA', 'VAI060', '재무제표 양식 등록',            8),
  ('VA', 'VAI024', '제무재표 등록',                 9),
  ('VA', 'VAI025', '제무재표/계정과목',            10),
  ('VA', 'VAI070', '영업수지계정코드 등록',        11),
  ('VA', 'VAI080', '영업수지기초코드',             12),
  -- 전표
  ('VB', 'VBI020', '전표 입력',                     1),
  ('VB', 'VBI010', '전표 리스트',                   2),
  ('VB', 'VBI030', '전표 확정',                     3),
  ('VB', 'VBS080', '확정전표 내역',                 4),
  ('VB', 'VBI040', '확정전표 리스트',               5),
  ('VB', 'VBI050', '전표 복사',                     6),
  ('VB', 'VBI060', '급여 자동전표 생성',            7),
  ('VB', 'VBI070', '일일매출 자동전표 생성',        8),
  ('VB', 'VBI090', '보통예금 자동전표 생성',        9),
  -- 장부
  ('VC', 'VCI010', '경리일보',                      1),
  ('VC', 'VCI030', '일계표',                        2),
  ('VC', 'VCI050', '현금출납부',                    3),
  ('VC', 'VCI020', '예.적금 현황',                  4),
  ('VC', 'VCI070', '총계정원장',                    5),
  ('VC', 'VCI040', '보조부',                        6),
  ('VC', 'VCI045', '보조부(계정범위)',              7),
  ('VC', 'VCI060', '계정별원장',                    8),
  ('VC', 'VCI110', '계정별원장(부가세)',            9),
  ('VC', 'VCI085', '잔액명세서',                   10),
  ('VC', 'VCI080', '잔액관리 보조원장',            11),
  ('VC', 'VCI090', '부서계정과목별 사용내역',      12),
  ('VC', 'VCI095', '거래처원장',                   13),
  ('VC', 'VCI100', '예약금 입금내역',              14),
  ('VC', 'VCI120', '영업수지조정',                 15),
  ('VC', 'VCS130', '사업장별세부내역',             16),
  ('VC', 'VCS040', '과거전표 조회',                17),
  -- 재무제표
  ('VD', 'VDI010', '합계잔액시산표',                1),
  ('VD', 'VDI020', '손익계산서',                    2),
  ('VD', 'VDI030', '대차대조표',                    3),
  -- 세금계산서
  ('VE', 'VEI020', '세금계산서 발행',               1),
  ('VE', 'VEI025', '세금계산서 발행현황',           2),
  ('VE', 'VEI010', '매입매출장',                    3),
  ('VE', 'VEI040', '계산서 합계표',                 4),
  ('VE', 'VEI030', '세금계산서 합계표 전산매체',    5),
  ('VE', 'VEI050', '세금계산서 대사',               6),
  -- 어음
  ('VF', 'VFI010', '받을어음 등록',                 1),
  ('VF', 'VFI015', '받을어음 조회',                 2),
  ('VF', 'VFI020', '받을어음 처리현황',             3),
  ('VF', 'VFI050', '어음/수표 수령',                4),
  ('VF', 'VFI060', '미발행 어음/수표 처리',         5),
  ('VF', 'VFI055', '지급어음 조회',                 6),
  ('VF', 'VFI063', '지급어음 지급일자 등록',        7),
  ('VF', 'VFI065', '지급어음 결제전표 생성',        8),
  ('VF', 'VFI030', '기일도래명세서',                9),
  ('VF', 'VFI100', '만기일자별 어음현황',          10),
  ('VF', 'VFI110', '거래처별 어음현황',            11),
  ('VF', 'VFI120', '발행일자별 어음현황',          12),
  -- 자금
  ('VG', 'VGI005', '자금코드 등록',                 1),
  ('VG', 'VGI030', '예금계좌 등록',                 2),
  ('VG', 'VGI010', '적금 등록',                     3),
  ('VG', 'VGI055', '예적금현황',                    4),
  ('VG', 'VGI020', '차입금 등록',                   5),
  ('VG', 'VGI070', '차입금 상환예정표',             6),
  ('VG', 'VGI040', '리스 등록',                     7),
  ('VG', 'VGI080', '유가 증권 명세서',              8),
  ('VG', 'VGI090', '월 자금계획',                   9),
  ('VG', 'VGI110', '자금계획 실적',                10),
  ('VG', 'VGI095', '일일 자금수지 예측',           11),
  -- 원가명세서
  ('VH', 'VHI010', '매출원가명세서',                1),
  ('VH', 'VHI020', '판매비와 일반관리비 명세서',    2),
  ('VH', 'VHI030', '매출원가명세서(회계부서)',      3),
  ('VH', 'VHI040', '판매비와 일반관리비 명세서(회계부서)', 4),
  -- 고정자산
  ('VM', 'VMI005', '품목코드 등록',                 1),
  ('VM', 'VMI010', '자산 등록',                     2),
  ('VM', 'VMI011', '건물 명세 등록',                3),
  ('VM', 'VMI012', '차량 명세 등록',                4),
  ('VM', 'VMI035', '자산 증가',                     5),
  ('VM', 'VMI025', '자산 처분',                     6),
  ('VM', 'VMI050', '자산 이동',                     7),
  -- 마감
  ('VK', 'VKI010', '기수 등록',                     1),
  ('VK', 'VKI020', '월/일 마감',                    2),
  ('VK', 'VKI025', '마감 현황',                     3),
  ('VK', 'VKI030', '이월작업',                      4)
  ) AS v(m, p, n, s);

-- Authority levels: '99' administrator (every program), '10' accounting
-- clerk (master data, slips and the everyday books).
INSERT INTO za140ms (project_id, project_level, program_id, u_ip, u_emp_no)
SELECT 'TVACCT', '99', program_id, '127.0.0.1', '1001'
  FROM za050ms WHERE project_id = 'TVACCT';

INSERT INTO za140ms (project_id, project_level, program_id, u_ip, u_emp_no)
SELECT 'TVACCT', '10', program_id, '127.0.0.1', '1001'
  FROM za050ms
 WHERE project_id = 'TVACCT'
   AND (menu_id IN ('VA', 'VB')
        OR program_id IN ('VCI010', 'VCI040', 'VCI050', 'VCI070', 'VCI095'));

INSERT INTO za130ms (emp_no, project_id, project_level, u_ip, u_emp_no) VALUES
  ('1001', 'TVACCT', '99', '127.0.0.1', '1001'),
  ('2001', 'TVACCT', '10', '127.0.0.1', '1001');

-- The clerk also reads the trial balance, but does not confirm slips.
INSERT INTO za150ms (emp_no, project_id, program_id, add_yn, u_ip, u_emp_no) VALUES
  ('2001', 'TVACCT', 'VDI010', 'Y', '127.0.0.1', '1001'),
  ('2001', 'TVACCT', 'VBI030', 'N', '127.0.0.1', '1001');
