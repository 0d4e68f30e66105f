-- Menus and program authority of the shell, shared by every project (program
-- file) of the company.  The main window reads them once at start-up to build
-- the menu bar of the signed-in employee.

-- Top-level menus of a project; a menu is shown only while DISPLAY_SEQ > 0.
CREATE TABLE za040ms (
  project_id  VARCHAR(20)  NOT NULL,
  menu_id     VARCHAR(10)  NOT NULL,
  menu_name   VARCHAR(60)  NOT NULL,
  display_seq INTEGER      NOT NULL DEFAULT 0,
  u_date      TIMESTAMP(0) DEFAULT LOCALTIMESTAMP(0),
  u_ip        VARCHAR(20),
  u_emp_no    VARCHAR(10),
  CONSTRAINT za040ms_pk PRIMARY KEY (project_id, menu_id)
);
CREATE INDEX za040ms_seq_ix ON za040ms (project_id, display_seq);

-- Programs (screens) under a menu.  A program ID is the screen identifier the
-- dispatch table of the client knows, such as 'VBI020'.
CREATE TABLE za050ms (
  project_id   VARCHAR(20)  NOT NULL,
  menu_id      VARCHAR(10)  NOT NULL,
  program_id   VARCHAR(10)  NOT NULL,
  program_name VARCHAR(60)  NOT NULL,
  display_seq  INTEGER      NOT NULL DEFAULT 0,
  u_date       TIMESTAMP(0) DEFAULT LOCALTIMESTAMP(0),
  u_ip         VARCHAR(20),
  u_emp_no     VARCHAR(10),
  CONSTRAINT za050ms_pk PRIMARY KEY (project_id, menu_id, program_id),
  CONSTRAINT za050ms_menu_fk FOREIGN KEY (project_id, menu_id)
    REFERENCES za040ms (project_id, menu_id) ON UPDATE CASCADE ON DELETE CASCADE
);
CREATE INDEX za050ms_menu_seq_ix ON za050ms (project_id, menu_id, display_seq);
CREATE INDEX za050ms_program_ix ON za050ms (project_id, program_id);

-- Authority level of an employee in a project: one level per employee and
-- project.  An employee without a row sees only the programs added for him
-- personally in ZA150MS.
CREATE TABLE za130ms (
  emp_no        VARCHAR(10)  NOT NULL,
  project_id    VARCHAR(20)  NOT NULL,
  project_level VARCHAR(10)  NOT NULL,
  u_date        TIMESTAMP(0) DEFAULT LOCALTIMESTAMP(0),
  u_ip          VARCHAR(20),
  u_emp_no      VARCHAR(10),
  CONSTRAINT za130ms_pk PRIMARY KEY (emp_no, project_id)
);
CREATE INDEX za130ms_level_ix ON za130ms (project_id, project_level);

-- Programs granted to an authority level.
CREATE TABLE za140ms (
  project_id    VARCHAR(20)  NOT NULL,
  project_level VARCHAR(10)  NOT NULL,
  program_id    VARCHAR(10)  NOT NULL,
  u_date        TIMESTAMP(0) DEFAULT LOCALTIMESTAMP(0),
  u_ip          VARCHAR(20),
  u_emp_no      VARCHAR(10),
  CONSTRAINT za140ms_pk PRIMARY KEY (project_id, project_level, program_id)
);

-- Per-employee exceptions to the level: 'Y' adds a program, 'N' removes one.
-- Both marks may exist for the same program; the removal wins.
CREATE TABLE za150ms (
  emp_no     VARCHAR(10)  NOT NULL,
  project_id VARCHAR(20)  NOT NULL,
  program_id VARCHAR(10)  NOT NULL,
  add_yn     CHAR(1)      NOT NULL,
  u_date     TIMESTAMP(0) DEFAULT LOCALTIMESTAMP(0),
  u_ip       VARCHAR(20),
  u_emp_no   VARCHAR(10),
  CONSTRAINT za150ms_pk PRIMARY KEY (emp_no, project_id, program_id, add_yn),
  CONSTRAINT za150ms_add_ck CHECK (add_yn IN ('Y', 'N'))
);
