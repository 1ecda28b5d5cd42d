#include "cli/clierror.h"

#include <iostream>

#include "cli/cliformatter.h"

int32_t CError::m_nErrorCode = 0;

void CError::log(const std::string& message, const std::string& detail, int32_t code)
{
    std::cout << '\n' << CFormatter::format(message, "Error: ", 79) << '\n';
    if (!detail.empty())
        std::cout << detail;
    std::cout << '\n';
    std::cout.flush();
    m_nErrorCode = code;
}

void CError::reset() { m_nErrorCode = 0; }

void CError::setErrorCode(int32_t code) { m_nErrorCode = code; }

int32_t CError::errorCode() { return m_nErrorCode; }

bool CError::isOK() { return m_nErrorCode == 0; }
