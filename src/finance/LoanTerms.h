#pragma once
// What the bank lends and takes back, in millions of yen, and when.
namespace finance {

inline constexpr int kLoanWindows = 5;
inline constexpr int kLoanCredit = 300;     // 3億円 paid out
inline constexpr int kLoanRepayment = 450;  // 4.5億円 taken back
inline constexpr int kLoanYears = 3;        // due in the same month, this many years on

}  // namespace finance
