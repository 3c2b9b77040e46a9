typedef enum {
  HardFault_IRQn = -13,
  SysTick_IRQn = -1,
  GPIO_IRQn = 16,
  DMA_IRQn = 17,
} IRQn_Type;
#define __CM0PLUS_REV 0x0001U
#define __NVIC_PRIO_BITS 2
