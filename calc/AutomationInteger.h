#pragma once
// How the registers, kept as doubles, are read as the 32-bit integers of the
// properties Accum and Operand: the fraction is dropped (toward zero), values
// beyond the 32-bit range give its nearest bound, and a not-a-number gives 0,
// so no value of the engine leads to an undefined conversion.

long AutomationLongFrom(double value);
