SysTick_IRQn
  A_IRQn = 0x10,
	TAB_IRQn = 017
B_IRQn=
  C_IRQn = 2 =3
D_IRQn , = 4294967297
E_IRQn = 1
  __NVIC_PRIO_BITS 12
#define __MPU_PRESENT
#define __FPU_PRESENT x
__CM0PLUS_REV __CM3_REV
__CM33_REV
F_IRQn = 3                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                            =5
G                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                      _IRQn = 7
__MPU_PRESENT
