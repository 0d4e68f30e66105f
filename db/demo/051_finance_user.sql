-- The finance department's approver, 박재무 (2003), works with every program;
-- the clerk, 김회계 (2001), sees the confirmation screen too, where the
-- database refuses him: his approval authority ended with 2025.
INSERT INTO za130ms (emp_no, project_id, project_level, u_ip, u_emp_no)
VALUES ('2003', 'TVACCT', '99', '127.0.0.1', '1001')
ON CONFLICT DO NOTHING;
DELETE FROM za150ms WHERE emp_no = '2001' AND project_id = 'TVACCT' AND program_id = 'VBI030' AND add_yn = 'N';
