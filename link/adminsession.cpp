#include "adminsession.h"

namespace Luminorix {

AdminSession::AdminSession(QObject* parent) : QObject(parent) {}

void AdminSession::begin(const QString& digest)
{
    ++m_epoch;
    m_active = true;
    m_digest = digest;
    emit begun();
}

void AdminSession::end()
{
    m_digest.clear();
    if (!m_active)
        return;
    ++m_epoch;
    m_active = false;
    emit ended();
}

bool AdminSession::isActive() const
{
    return m_active;
}

QString AdminSession::digest() const
{
    return m_digest;
}

AdminSession::Stamp AdminSession::stamp() const
{
    // A session's epoch is at least 1, so 0 is never current.
    return m_active ? m_epoch : 0;
}

bool AdminSession::isCurrent(Stamp stamp) const
{
    return m_active && stamp == m_epoch;
}

bool AdminSession::changeDigest(Stamp stamp, const QString& digest)
{
    if (!isCurrent(stamp))
        return false;
    m_digest = digest;
    return true;
}

} // namespace Luminorix
