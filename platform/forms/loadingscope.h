#pragma once
// Sets a window's loading flag (bLoading) for the life of the scope, so that an error
// never leaves it set. The previous value comes back, so nested scopes keep the outer
// one's flag.

class LoadingScope {
public:
    explicit LoadingScope(bool& flag) : m_flag(flag), m_previous(flag) { m_flag = true; }
    ~LoadingScope() { m_flag = m_previous; }

    LoadingScope(const LoadingScope&) = delete;
    LoadingScope& operator=(const LoadingScope&) = delete;

private:
    bool& m_flag;
    bool m_previous;
};
