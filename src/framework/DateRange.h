#pragma once

class QDateEdit;

// The two dates of a search range follow each other: a from-date moved past
// the to-date takes the to-date along, and a to-date moved before the
// from-date takes the from-date along.
void LinkDateRange(QDateEdit* from, QDateEdit* to);
