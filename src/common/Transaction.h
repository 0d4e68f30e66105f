#pragma once

// The one transaction of the one connection: at most one is open at a time.
// Save and delete operations start it when none is open and commit it; the
// screen bases and the error dialog roll it back on failure.
class SharedTransaction {
public:
    static SharedTransaction& instance();

    bool inTransaction() const { return m_open; }
    // Starts a transaction unless one is open; true when this call started it.
    bool start();
    void commit();
    // Rolls back when a transaction is open; otherwise does nothing.
    void rollback();
    // Forgets the open state without a statement (the connection is gone).
    void reset() { m_open = false; }

private:
    bool m_open = false;
};
