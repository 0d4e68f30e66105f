-- The history of changes in the closing menu, for the administrator level.
INSERT INTO za050ms (project_id, menu_id, program_id, program_name, display_seq, u_ip, u_emp_no)
VALUES ('TVACCT', 'VK', 'VKI090', '변경 이력 조회', 5, '127.0.0.1', '1001');
INSERT INTO za140ms (project_id, project_level, program_id, u_ip, u_emp_no)
VALUES ('TVACCT', '99', 'VKI090', '127.0.0.1', '1001');
