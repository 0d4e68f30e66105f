-- Package pk_v_statement: what the income statement, the balance sheet and
-- the cost statements share — the account tree as groups, and the section
-- of the income statement an account belongs to.
SET client_min_messages = warning;
CREATE SCHEMA IF NOT EXISTS pk_v_statement;

-- Every account with each of its upper accounts up the tree (not itself),
-- with the upper account's level. Level 1 is the top: its upper code only
-- names the tree's root. Groups follow the tree, not the digits of a code,
-- so an account whose code would cut to a group of another level is summed
-- once, where the chart puts it.
CREATE OR REPLACE FUNCTION pk_v_statement.account_groups()
RETURNS TABLE (acct_code VARCHAR, group_code VARCHAR, group_level INTEGER)
LANGUAGE sql STABLE AS
$$
  WITH RECURSIVE up(acct_code, group_code) AS (
    SELECT a.acct_code, a.p_acct_code FROM va020ms a
     WHERE a.p_acct_code <> a.acct_code AND a.acc_level <> '1'
    UNION
    SELECT up.acct_code, g.p_acct_code
      FROM up JOIN va020ms g ON g.acct_code = up.group_code
     WHERE g.p_acct_code <> g.acct_code AND g.acc_level <> '1')
  SELECT up.acct_code, up.group_code, g.acc_level::INTEGER
    FROM up JOIN va020ms g ON g.acct_code = up.group_code
   WHERE up.group_code <> up.acct_code
$$;

-- The section of the income statement of every account of classes 4-9:
--  1 revenue (class 5), 2 cost of sales (class 6 and the operating costs
--  under 7100000), 4 selling and administrative expenses (the rest of
--  class 7), 6 non-operating income (under 9100000, and the income summary
--  of class 4, which a book closed by carry-forward leaves empty), 7
--  non-operating expenses (the rest of class 9), 9 income tax (class 8).
CREATE OR REPLACE FUNCTION pk_v_statement.pl_sections()
RETURNS TABLE (acct_code VARCHAR, section INTEGER)
LANGUAGE sql STABLE AS
$$
  WITH g AS MATERIALIZED (SELECT * FROM pk_v_statement.account_groups()),
  under AS (
    SELECT a.acct_code,
           a.acct_code = '7100000' OR EXISTS (SELECT 1 FROM g WHERE g.acct_code = a.acct_code
                                                            AND g.group_code = '7100000') AS operating_cost,
           a.acct_code = '9100000' OR EXISTS (SELECT 1 FROM g WHERE g.acct_code = a.acct_code
                                                            AND g.group_code = '9100000') AS non_operating_income
      FROM va020ms a
     WHERE left(a.acct_code, 1) BETWEEN '4' AND '9')
  SELECT u.acct_code,
         CASE left(u.acct_code, 1)
           WHEN '4' THEN 6
           WHEN '5' THEN 1
           WHEN '6' THEN 2
           WHEN '7' THEN CASE WHEN u.operating_cost THEN 2 ELSE 4 END
           WHEN '8' THEN 9
           ELSE CASE WHEN u.non_operating_income THEN 6 ELSE 7 END
         END
    FROM under u
$$;

-- +1 when a section reads credit - debit (revenue, income), -1 when it
-- reads debit - credit (costs, expenses, tax).
CREATE OR REPLACE FUNCTION pk_v_statement.pl_sign(p_section INTEGER) RETURNS INTEGER
LANGUAGE sql IMMUTABLE AS
$$ SELECT CASE WHEN p_section IN (1, 6) THEN 1 ELSE -1 END $$;
