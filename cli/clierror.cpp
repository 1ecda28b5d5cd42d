#include "cli/clierror.h"

#include "cli/cliformatter.h"
#include "cli/consoleoutput.h"

int32_t CError::m_nErrorCode = 0;

void CError::log(const std::string& message, const std::string& detail, int32_t code)
{
    std::ostream& out = ConsoleOutput::stream();
    out << '\n' << CFormatter::format(message, "Error: ", 79) << '\n';
    if (!detail.empty())
        out << detail;
    out << '\n';
    out.flush();
    m_nErrorCode = code;
}

void CError::reset() { m_nErrorCode = 0; }

void CError::setErrorCode(int32_t code) { m_nErrorCode = code; }

int32_t CError::errorCode() { return m_nErrorCode; }

bool CError::isOK() { return m_nErrorCode == 0; }
