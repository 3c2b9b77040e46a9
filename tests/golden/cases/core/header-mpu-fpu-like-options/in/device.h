/* Core data of a device with an MPU and an FPU. */
#define __CM4_REV 0x0001U
#define __MPU_PRESENT 1U
#define __FPU_PRESENT 1U
