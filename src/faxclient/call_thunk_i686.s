# The call thunk of call_thunk.h, for 32-bit x86 (GNU assembler, AT&T
# syntax). It is itself a __cdecl function: its caller removes its four
# arguments, whatever the called function does with its own. The native
# tests assemble this very file and run it under an x86 emulator.
#
# Registers: %ebp frames the thunk's own arguments, %edi keeps the stack
# pointer to come back to and %ebx the stack pointer as the function finds
# it, with its first argument on top; all three are callee-saved in both
# conventions, so the function hands them back unchanged. The arguments are
# pushed so that the first one lands on a 16-byte boundary, which every
# compiler's code is content with. %ecx and %edx are cleared before the
# call: a __fastcall function, which reads its first two arguments from
# them, then finds no stale pointer before the program refuses it.
	.text
	.globl	_faxclientCallThunk
	.def	_faxclientCallThunk; .scl 2; .type 32; .endef
_faxclientCallThunk:
	pushl	%ebp
	movl	%esp, %ebp
	pushl	%ebx
	pushl	%esi
	pushl	%edi
	movl	%esp, %edi
	movl	12(%ebp), %esi
	movl	16(%ebp), %ecx
	leal	(,%ecx,4), %edx
	movl	%esp, %eax
	subl	%edx, %eax
	andl	$-16, %eax
	addl	%edx, %eax
	movl	%eax, %esp
	testl	%ecx, %ecx
	jz	2f
1:	pushl	-4(%esi,%ecx,4)
	decl	%ecx
	jnz	1b
2:	movl	%esp, %ebx
	xorl	%ecx, %ecx
	xorl	%edx, %edx
	call	*8(%ebp)
	movl	%esp, %ecx
	subl	%ebx, %ecx
	movl	20(%ebp), %edx
	movl	%ecx, (%edx)
	movl	%edi, %esp
	popl	%edi
	popl	%esi
	popl	%ebx
	popl	%ebp
	ret
