// The embedded resources are linked through this library; it has no code of its own.
namespace kes_resources_anchor {}
