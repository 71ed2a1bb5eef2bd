#include "sys_fixture.h"

std::vector<TSeen> SysTest::seen;
