-- Row types of the movements the posting engine hands from the line rules
-- to the tables they move: typed arrays instead of documents, so that a
-- posting neither builds nor parses text.
SET client_min_messages = warning;
CREATE SCHEMA IF NOT EXISTS pk_v_post;

-- A movement of the daily balance-item sums (VB080MS) and, for the cash and
-- deposit accounts (FUND), of their monthly sums (VB085MS).
CREATE TYPE pk_v_post.balance_move AS (
  acct_code    VARCHAR(7),
  slip_date    DATE,
  item_cd1     VARCHAR(3),
  item_desc1   VARCHAR(100),
  item_desc1nm VARCHAR(200),
  item_cd2     VARCHAR(3),
  item_desc2   VARCHAR(100),
  item_desc2nm VARCHAR(200),
  item_cd3     VARCHAR(3),
  item_desc3   VARCHAR(100),
  item_desc3nm VARCHAR(200),
  fund         BOOLEAN,
  dr_amt       NUMERIC,
  cr_amt       NUMERIC
);

-- A movement of the daily transfer and cash sums (VC030PR).
CREATE TYPE pk_v_post.day_move AS (
  sum_date  DATE,
  acct_code VARCHAR(7),
  damt      NUMERIC,
  camt      NUMERIC,
  cash_damt NUMERIC,
  cash_camt NUMERIC
);

-- The movement functions took documents before; their old forms go.
DROP FUNCTION IF EXISTS pk_v_post.move_balance_items(JSONB);
DROP FUNCTION IF EXISTS pk_v_post.move_days(JSONB);

-- Indexes that a longer one begins with: every posting writes them, no
-- reader needs them.
DROP INDEX IF EXISTS vb011ms_conf_date_ix;
DROP INDEX IF EXISTS vb061ms_acct_ix;
DROP INDEX IF EXISTS vb080ms_acct_date_ix;
