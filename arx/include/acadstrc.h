// Status codes returned by the host's run-time (stand-in: the few the library meets).
#pragma once

namespace Acad
{
enum ErrorStatus
{
    eOk = 0,
    eNotImplementedYet = 1,
    eNotApplicable = 2,
    eInvalidInput = 3,
    eNotThatKindOfClass = 5,
    eWrongObjectType = 44,
    eNullPtr = 60
};
}
