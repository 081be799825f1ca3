#pragma once

#include "quorlin/reportexception.h"

namespace REPORTGENERATOR
{

// Raised by report objects when they do not accept a document.
class RGException : public ReportException
{
public:
    using ReportException::ReportException;
};

} // namespace REPORTGENERATOR
