-- Every confirmation and cancellation rewrites the confirmation date of a
-- slip's item values, and so every index on them. The index by account and
-- date is the beginning of the one by account, item, value and date, which
-- serves the same readers.
DROP INDEX IF EXISTS vb011dt_acct_conf_ix;
