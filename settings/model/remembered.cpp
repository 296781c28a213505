#include "settings/model/remembered.h"

namespace mirel {

Remembered &remembered()
{
	static Remembered record;
	return record;
}

} // namespace mirel
