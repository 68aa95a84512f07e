// Checked floating-point arithmetic.
//
// Every step of a calculation (sum, difference, product, quotient, power, logarithm, root) is checked:
// a quotient by zero (0/0 too) is a division by zero, the root or logarithm of a number out of its
// domain is an invalid operation, and a step on finite numbers whose result does not fit a double is an
// overflow. A failing step throws ArithFault; the event boundary of the window turns it into a message.
// Underflow is not a fault: tiny results become subnormal or 0 as IEEE arithmetic gives them.
//
// Real is a double whose operators carry these checks, so a formula reads as a formula:
//     GamR = NumRV / D;     RetLoss = -20 * ln(GamM) / ln(10);
#pragma once

#include <cmath>
#include <stdexcept>
#include <string>

namespace num {

class ArithFault : public std::runtime_error {
  public:
    enum class Kind { DivisionByZero, Overflow, InvalidOperation };
    explicit ArithFault(Kind k) : std::runtime_error(describe(k)), kind_(k) {}
    Kind kind() const { return kind_; }
    // The sentence the window shows for the fault.
    static const char* describe(Kind k) {
        switch (k) {
        case Kind::DivisionByZero:
            return "Division by zero: the calculation was stopped.";
        case Kind::Overflow:
            return "Overflow: the calculation was stopped.";
        case Kind::InvalidOperation:
            break;
        }
        return "Invalid operation: the calculation was stopped.";
    }

  private:
    Kind kind_;
};

[[noreturn]] inline void fault(ArithFault::Kind k) {
    throw ArithFault(k);
}

// A result of a step on finite operands must be finite: infinity means the step overflowed, NaN that
// it was not defined.
inline double checkedResult(double r) {
    if (std::isnan(r))
        fault(ArithFault::Kind::InvalidOperation);
    if (std::isinf(r))
        fault(ArithFault::Kind::Overflow);
    return r;
}

class Real {
  public:
    constexpr Real() = default;
    constexpr Real(double v) : v_(v) {} // NOLINT: a plain double literal is a Real
    constexpr double value() const { return v_; }

    friend Real operator+(Real a, Real b) { return checkedResult(a.v_ + b.v_); }
    friend Real operator-(Real a, Real b) { return checkedResult(a.v_ - b.v_); }
    friend Real operator*(Real a, Real b) { return checkedResult(a.v_ * b.v_); }
    friend Real operator/(Real a, Real b) {
        if (b.v_ == 0.0)
            fault(ArithFault::Kind::DivisionByZero);
        return checkedResult(a.v_ / b.v_);
    }
    friend Real operator-(Real a) { return Real(-a.v_); }
    Real& operator+=(Real b) { return *this = *this + b; }
    Real& operator-=(Real b) { return *this = *this - b; }
    Real& operator*=(Real b) { return *this = *this * b; }
    Real& operator/=(Real b) { return *this = *this / b; }

    friend bool operator==(Real a, Real b) { return a.v_ == b.v_; }
    friend bool operator!=(Real a, Real b) { return a.v_ != b.v_; }
    friend bool operator<(Real a, Real b) { return a.v_ < b.v_; }
    friend bool operator>(Real a, Real b) { return a.v_ > b.v_; }
    friend bool operator<=(Real a, Real b) { return a.v_ <= b.v_; }
    friend bool operator>=(Real a, Real b) { return a.v_ >= b.v_; }

  private:
    double v_ = 0.0;
};

// a raised to b. A negative base with a fractional exponent (a root of a negative number) is an invalid
// operation; zero to a negative power divides by zero.
inline Real pow(Real a, Real b) {
    const double x = a.value(), y = b.value();
    if (x < 0.0 && y != std::floor(y))
        fault(ArithFault::Kind::InvalidOperation);
    if (x == 0.0 && y < 0.0)
        fault(ArithFault::Kind::DivisionByZero);
    return checkedResult(std::pow(x, y));
}

inline Real sqrt(Real a) {
    if (a.value() < 0.0)
        fault(ArithFault::Kind::InvalidOperation);
    return Real(std::sqrt(a.value()));
}

// Natural logarithm; the logarithm of zero or of a negative number is an invalid operation.
inline Real ln(Real a) {
    if (a.value() <= 0.0)
        fault(ArithFault::Kind::InvalidOperation);
    return checkedResult(std::log(a.value()));
}

inline Real atn(Real a) {
    return Real(std::atan(a.value()));
}
inline Real abs(Real a) {
    return Real(std::fabs(a.value()));
}
// Int: the floor, towards minus infinity.
inline Real Int(Real a) {
    return Real(std::floor(a.value()));
}

} // namespace num
