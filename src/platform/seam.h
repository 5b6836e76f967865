#pragma once

#include <utility>

namespace pelorin {

// A process-wide service behind the interface Service: Service::standard()
// unless a Scope routes it elsewhere. Tests route a service to a scripted or
// recording implementation; the program uses the standard one. For the
// user-interface thread only.
template <typename Service>
class Seam {
 public:
  // The implementation in use: the innermost live Scope's, else the standard one.
  static Service& current() { return installed_ != nullptr ? *installed_ : Service::standard(); }

  // Routes the service to implementation (not owned) while alive. Scopes
  // nest; each ends before the one it was started within.
  class Scope {
   public:
    explicit Scope(Service& implementation) : previous_(std::exchange(installed_, &implementation)) {}
    ~Scope() { installed_ = previous_; }
    Scope(const Scope&) = delete;
    Scope& operator=(const Scope&) = delete;

   private:
    Service* previous_;
  };

 private:
  static inline Service* installed_ = nullptr;
};

}  // namespace pelorin
