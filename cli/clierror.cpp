#include "cli/clierror.h"

#include "cli/cliformatter.h"
#include "cli/consoleoutput.h"

int32_t CError::m_nErrorCode = 0;
std::string CError::m_firstMessage;

void CError::log(const std::string& message, const std::string& detail, int32_t code)
{
    std::ostream& out = ConsoleOutput::stream();
    out << '\n' << CFormatter::format(message, "Error: ", 79) << '\n';
    if (!detail.empty())
        out << detail;
    out << '\n';
    out.flush();
    if (m_firstMessage.empty())
        m_firstMessage = message;
    m_nErrorCode = code;
}

void CError::reset()
{
    m_nErrorCode = 0;
    m_firstMessage.clear();
}

void CError::setErrorCode(int32_t code) { m_nErrorCode = code; }

int32_t CError::errorCode() { return m_nErrorCode; }

bool CError::isOK() { return m_nErrorCode == 0; }

const std::string& CError::firstMessage() { return m_firstMessage; }
