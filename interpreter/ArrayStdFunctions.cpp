#include "ArrayStdFunctions.h"

namespace xonQMInterpreter {

void CArrayStdFunctions::fill()
{
    deleteAll();
    addNamed(std::make_unique<CFunctionIfElse>());
    addNamed(std::make_unique<CFunctionDegreeToRadian>());
    addNamed(std::make_unique<CFunctionRadianToDegree>());
    addNamed(std::make_unique<CFunctionPercent>());
    addNamed(std::make_unique<CFunctionPRatio>());
    addNamed(std::make_unique<CFunctionAbs>());
    addNamed(std::make_unique<CFunctionFloor>());
    addNamed(std::make_unique<CFunctionRound>());
    addNamed(std::make_unique<CFunctionIsEven>());
    addNamed(std::make_unique<CFunctionExp>());
    addNamed(std::make_unique<CFunctionPow>());
    addNamed(std::make_unique<CFunctionMod>());
    addNamed(std::make_unique<CFunctionLn>());
    addNamed(std::make_unique<CFunctionLog>());
    addNamed(std::make_unique<CFunctionLogX>());
    addNamed(std::make_unique<CFunctionSqrt>());
    addNamed(std::make_unique<CFunctionSqr>());
    addNamed(std::make_unique<CFunctionCos>());
    addNamed(std::make_unique<CFunctionSin>());
    addNamed(std::make_unique<CFunctionArcCos>());
    addNamed(std::make_unique<CFunctionArcSin>());
    addNamed(std::make_unique<CFunctionCh>());
    addNamed(std::make_unique<CFunctionSh>());
    addNamed(std::make_unique<CFunctionTg>());
    addNamed(std::make_unique<CFunctionArcTg>());
    addNamed(std::make_unique<CFunctionTh>());
    addNamed(std::make_unique<CFunctionMax>());
    addNamed(std::make_unique<CFunctionMin>());
    addNamed(std::make_unique<CFunctionIsEqual>());
    addNamed(std::make_unique<CFunctionIsGreat>());
    addNamed(std::make_unique<CFunctionIsLess>());
    addNamed(std::make_unique<CFunctionIsEqualGreat>());
    addNamed(std::make_unique<CFunctionIsEqualLess>());
}

} // namespace xonQMInterpreter
