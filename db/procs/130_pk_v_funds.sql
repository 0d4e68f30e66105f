-- Package pk_v_funds: the figures of the fund plans that come from the books.
-- Every balance and every day's movement is read through the ledger kernel
-- (pk_v_ledger.balance_before / balance_at), in the account's normal
-- direction, a term starting at VI010MS.ST_DATE.
SET client_min_messages = warning;
CREATE SCHEMA IF NOT EXISTS pk_v_funds;

-- The movement of an account on one day in its normal direction (debit -
-- credit for a debit account); 0 outside every term.
CREATE OR REPLACE FUNCTION pk_v_funds.day_movement(p_acct TEXT, p_day DATE) RETURNS NUMERIC
LANGUAGE sql STABLE AS
$$
  SELECT coalesce(pk_v_ledger.balance_at(p_acct, p_day) - pk_v_ledger.balance_before(p_acct, p_day), 0)
$$;

-- A day's amount of a plan row; the column is chosen from the day number.
CREATE OR REPLACE FUNCTION pk_v_funds.plan_amount(p_row vg090ms, p_day INTEGER) RETURNS NUMERIC
LANGUAGE sql IMMUTABLE AS
$$
  SELECT CASE WHEN p_day BETWEEN 1 AND 31
              THEN (to_jsonb(p_row) ->> ('fnd_' || to_char(p_day, 'FM00') || '_amt'))::NUMERIC END
$$;

-- The plan of a day against its actuals: every fund code planned in the
-- day's month that is not a heading (characters 3-4 "00"), with the day's
-- planned amount and the actual amount: for collections (group "1") the plan
-- itself, otherwise the day's confirmed movement of every account pointing
-- to the fund code.
CREATE OR REPLACE FUNCTION pk_v_funds.day_actuals(p_day DATE)
RETURNS TABLE (fnd_usg_cd VARCHAR, fnd_usg_nm VARCHAR, plan_amt NUMERIC, af_amt NUMERIC)
LANGUAGE sql STABLE AS
$$
  SELECT p.fnd_usg_cd, c.fnd_usg_nm,
         pk_v_funds.plan_amount(p, extract(day FROM p_day)::INTEGER),
         CASE WHEN substr(p.fnd_usg_cd, 1, 1) = '1'
              THEN pk_v_funds.plan_amount(p, extract(day FROM p_day)::INTEGER)
              ELSE (SELECT coalesce(sum(pk_v_funds.day_movement(a.acct_code, p_day)), 0)
                      FROM va020ms a WHERE a.fnd_usg_cd = p.fnd_usg_cd) END
    FROM vg090ms p
    LEFT JOIN vg005ms c ON c.fnd_usg_cd = p.fnd_usg_cd
   WHERE p.fnd_usg_ym = to_char(p_day, 'YYYYMM')
     AND substr(p.fnd_usg_cd, 3, 2) <> '00'
   ORDER BY p.fnd_usg_cd
$$;

-- The accounts of the daily cash-flow forecast.
CREATE OR REPLACE FUNCTION pk_v_funds.forecast_accounts() RETURNS TEXT[]
LANGUAGE sql IMMUTABLE AS
$$ SELECT ARRAY['1110110', '1110120', '1110210'] $$;

-- The forecast's figures of a month ('YYYYMM') from the books: per account
-- of the forecast (petty cash, operating account, fixed account) the balance
-- at the start of the month (the term's opening and its earlier months), and
-- per day of the month the day's movement. Day 0 carries the balance.
CREATE OR REPLACE FUNCTION pk_v_funds.forecast_books(p_month TEXT)
RETURNS TABLE (acct_code TEXT, day_no INTEGER, amount NUMERIC)
LANGUAGE sql STABLE AS
$$
  WITH m AS (SELECT to_date(p_month || '01', 'YYYYMMDD') AS first_day),
       a AS (SELECT unnest(pk_v_funds.forecast_accounts()) AS acct_code)
  SELECT a.acct_code, 0, coalesce(pk_v_ledger.balance_before(a.acct_code, m.first_day), 0)
    FROM a, m
  UNION ALL
  SELECT a.acct_code, extract(day FROM d)::INTEGER, pk_v_funds.day_movement(a.acct_code, d::DATE)
    FROM a, m, generate_series(m.first_day, (m.first_day + INTERVAL '1 month - 1 day')::DATE, INTERVAL '1 day') d
   ORDER BY 1, 2
$$;
