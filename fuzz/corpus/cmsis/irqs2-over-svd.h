/* Interrupt numbers and core of the DEV device. */
typedef enum {
  NonMaskableInt_IRQn = -14,
  SysTick_IRQn = -1,
  WDT_IRQn = 0,
  RTC_IRQn = 1,
  UART_IRQn = 5,
} IRQn_Type;

#define __CM4_REV 0x0001U
#define __NVIC_PRIO_BITS 3U
#define __MPU_PRESENT 0U
#define __FPU_PRESENT 1U
