-- Master data of the demo.
--
-- Classifications for the operating income/expense codes of the demo sheet
-- (db/demo/sheets/영업수지코드.xls and .xlsx), which the code screen's
-- "Excel Import" takes in: codes 100013 to 100016 under these paths.
INSERT INTO vx011ms (gubun_code, gubun_name, code_length, u_ip, u_emp_no)
SELECT c, n, length(c)::TEXT, '127.0.0.1', '1001'
  FROM (VALUES
  ('010101010103', '직원상여'),
  ('010201010103', '가스료'),
  ('020101010103', '객실소모품'),
  ('030101010102', '단기차입금이자')
  ) AS v(c, n);

-- The statement layouts of the demo terms 26 (2025) and 27 (2026): the lines
-- and summed accounts of the standard layout, as the accountant copies them
-- into each new term.
INSERT INTO va060ms (session_id, form_code, seq_no, order_no, order_code, disp_name, disp_type, u_ip, u_emp_no)
SELECT t.session_id, l.form_code, l.seq_no, l.order_no, l.order_code, l.disp_name, l.disp_type, '127.0.0.1', '1001'
  FROM va060ms l CROSS JOIN (VALUES (26), (27)) AS t(session_id)
 WHERE l.session_id = 31;

INSERT INTO va060dt (session_id, form_code, seq_no, acct_code, calc_formula, u_ip, u_emp_no)
SELECT t.session_id, d.form_code, d.seq_no, d.acct_code, d.calc_formula, '127.0.0.1', '1001'
  FROM va060dt d CROSS JOIN (VALUES (26), (27)) AS t(session_id)
 WHERE d.session_id = 31;
