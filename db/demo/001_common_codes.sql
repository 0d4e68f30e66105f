-- Display names of the databases, keyed by the upper-cased database user.
INSERT INTO zx010ms (head, detail, detail_name) VALUES
  ('Z9999', ' ', '데이터베이스 표시명'),
  ('Z9999', 'ACCT', '한빛리조트 본사'),
  ('V9999', '01', '(주)한빛리조트'),
  ('V9999', '02', '일반 관리 회계');
