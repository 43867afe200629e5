// Linked into VelInst.exe and VORM2.dll in place of the C++ runtime's own
// handling of the failures no code of theirs catches (no memory, a text too
// long, a position out of range): the runtime would throw an exception that
// nothing catches, name it on a console these GUI programs do not have and
// abort. These abort at once: the same end, without the runtime's exception
// classes, their strings and its name demangler (some 90 KB in each binary).
#include <bits/functexcept.h>

#include <cstdlib>

namespace __gnu_cxx {
void __verbose_terminate_handler() { std::abort(); }
}  // namespace __gnu_cxx

namespace std {
void __throw_bad_exception() { abort(); }
void __throw_bad_alloc() { abort(); }
void __throw_bad_array_new_length() { abort(); }
void __throw_bad_cast() { abort(); }
void __throw_bad_typeid() { abort(); }
void __throw_logic_error(const char *) { abort(); }
void __throw_domain_error(const char *) { abort(); }
void __throw_invalid_argument(const char *) { abort(); }
void __throw_length_error(const char *) { abort(); }
void __throw_out_of_range(const char *) { abort(); }
void __throw_out_of_range_fmt(const char *, ...) { abort(); }
void __throw_runtime_error(const char *) { abort(); }
void __throw_range_error(const char *) { abort(); }
void __throw_overflow_error(const char *) { abort(); }
void __throw_underflow_error(const char *) { abort(); }
}  // namespace std
